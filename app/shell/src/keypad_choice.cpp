// The current library and the quick-select cursor on the shell state.
#include "shell/keypad_choice.h"

#include "engine/library_table.h"
#include "shell/quick_selects.h"

namespace shell {

int libraryCount() { return engine::libraryCount(); }

void showKeypadOverList(ShellState& state) {
    state.keypadShown = true;
    state.keypadTop = int16_t(fullScreenKeypadTop(state.view.activeTop()));
    state.pending.redrawClient = true;
}

void selectLibrary(ShellState& state, int n) {
    if (!chooseLibrary(state.quickSelect.slots, state.currentLibrary, n, libraryCount())) return;
    if (state.fullScreen) {
        state.page = 1;
        showKeypadOverList(state);
    }
    state.pending.redrawKeypad = true;
}

void moveQuickSelectCursor(ShellState& state, bool right) {
    QuickSelect& q = state.quickSelect;
    stepQuickSelect(q.slots, q.cursor, state.currentLibrary, right);
    state.pending.redrawKeypad = true;
}

}  // namespace shell
