// Key codes into the edit line or to their help.
#include "shell/key_routing.h"

#include "engine/messages.h"
#include "platform/edit_control.h"
#include "shell/help_strings.h"
#include "shell/shell_painter.h"
#include "shell/token_cursor.h"

namespace shell {
namespace {

constexpr char16_t kEnter = 13;
constexpr char16_t kBackspace = 8;
constexpr uint16_t kMessageEqnTooLong = 7;

void typeCharacter(ShellState& state, char16_t c) {
    WorkspaceDocument& document = state.document;
    if (c == kEnter) {
        state.view.exe(document, ExeMode::Normal);
        state.pending.updateScrollBar = true;
        state.pending.redrawBlockArea = true;
        return;
    }
    if (c == kBackspace) {
        eraseBeforeCaret(state);
        return;
    }
    // Text goes in after the highlighted token.
    const PlatformWindow edit = document.editLine();
    int32_t start = 0;
    int32_t end = 0;
    platformEditGetSelection(edit, &start, &end);
    platformEditSetSelection(edit, end, end);
    const char16_t text[2] = {c, 0};
    if (!platformEditReplaceSelection(edit, text)) {
        engine::showError(kMessageEqnTooLong, state.windows.main);
        return;
    }
    document.undoRecord().kind = engine::UndoKind::EditLineChanged;
    selectTokenBeforeCaret(edit);
}

}  // namespace

void routeKey(ShellState& state, uint32_t keyCode) {
    const auto c = char16_t(keyCode & 0xFFFF);
    if ((keyCode >> 16) == 0) typeCharacter(state, c);
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
    // Refers to the table so that it is linked into every program that can
    // show key help.
    static PlatformModule* program = mainHelpTable() != nullptr ? platformProgramModule() : nullptr;
    return program;
}

}  // namespace shell
