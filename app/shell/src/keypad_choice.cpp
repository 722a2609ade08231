// The current library and the quick-select cursor.
#include "shell/keypad_choice.h"

#include "engine/library_table.h"

namespace shell {
namespace {

constexpr int kCursorSlots = 4;  // slot 4 is never a cursor position
// An active block whose top lies below this line would be hidden by the
// keypad in the lower half.
constexpr int kLowestTopForLowerKeypad = 151;

}  // namespace

int libraryCount() { return engine::libraryCount(); }

void showKeypadOverList(ShellState& state) {
    state.keypadShown = true;
    state.keypadTop = state.view.activeTop() < kLowestTopForLowerKeypad ? kKeypadTop : 0;
    state.pending.redrawClient = true;
}

void chooseLibrary(ShellState& state, int n) {
    if (n < 0 || n >= libraryCount()) return;
    state.currentLibrary = int16_t(n);
    const auto& slots = state.quickSelect.slots;
    if (slots[0] != n && slots[1] != n && slots[2] != n) state.quickSelect.slots[3] = int16_t(n);
    if (state.fullScreen) {
        state.page = 1;
        showKeypadOverList(state);
    }
    state.pending.redrawKeypad = true;
}

void stepQuickSelect(ShellState& state, int step) {
    QuickSelect& q = state.quickSelect;
    int cursor = q.cursor;
    for (int tries = 0; tries < kCursorSlots; ++tries) {
        cursor = (cursor + step + kCursorSlots) % kCursorSlots;
        if (q.slots[size_t(cursor)] != kNoLibrary) break;
    }
    if (q.slots[size_t(cursor)] == kNoLibrary) return;
    q.cursor = int16_t(cursor);
    state.currentLibrary = q.slots[size_t(cursor)];
    state.pending.redrawKeypad = true;
}

}  // namespace shell
