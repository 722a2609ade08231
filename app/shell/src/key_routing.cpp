// Key codes into the edit line or to their help.
#include "shell/key_routing.h"

#include "engine/key_insertion.h"
#include "platform/edit_control.h"
#include "platform/string_resources.h"
#include "shell/help_strings.h"
#include "shell/shell_key_host.h"
#include "shell/shell_painter.h"
#include "shell/token_cursor.h"

namespace shell {

void routeKey(ShellState& state, uint32_t keyCode) {
    ShellKeyHost host(state);
    engine::insertKey(host, keyCode);
    selectTokenBeforeCaret(state.document.editLine());
}

void showHelpOfKey(ShellState& state, uint32_t keyCode) {
    showKeyHelp(state, keyCode, mainProgramModule());
}

void eraseBeforeCaret(ShellState& state) {
    const PlatformWindow edit = state.document.editLine();
    int32_t start = 0;
    int32_t end = 0;
    platformEditGetSelection(edit, &start, &end);
    if (start == end) {
        if (start == 0) return;
        platformEditSetSelection(edit, start - 1, end);
    }
    platformEditReplaceSelection(edit, u"");
    state.document.undoRecord().kind = engine::UndoKind::EditLineChanged;
    selectTokenBeforeCaret(edit);
}

void moveTokenCursor(ShellState& state, bool right) {
    if (right)
        tokenCursorRight(state.document.editLine());
    else
        tokenCursorLeft(state.document.editLine());
}

PlatformModule* mainProgramModule() {
    platformSetProgramStringTable(mainHelpTable());
    return platformProgramModule();
}

}  // namespace shell
