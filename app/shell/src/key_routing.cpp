// Key codes into the edit line or to their help.
#include "shell/key_routing.h"

#include "engine/key_help.h"
#include "engine/key_insertion.h"
#include "engine/library_table.h"
#include "engine/messages.h"
#include "platform/edit_control.h"
#include "shell/help_strings.h"
#include "shell/token_cursor.h"
#include "shell/shell_key_host.h"

namespace shell {
namespace {

constexpr int kFirstLibraryPage = 2;

}  // namespace

void routeKey(ShellState& state, uint32_t keyCode) {
    ShellKeyHost host(state);
    engine::insertKey(host, keyCode);
    selectTokenBeforeCaret(state.document.editLine());
}

std::u16string composedKeyText(ShellState& state, uint32_t keyCode) {
    const int page = int(keyCode >> 16);
    if (page == 0) return std::u16string(1, char16_t(keyCode & 0xFFFF));
    if (page >= kFirstLibraryPage) {
        const KeypadLibrary* library = engine::libraryAt(state.currentLibrary + 1);
        if (library != nullptr) return engine::composeLibraryKey(*library, keyCode);
    }
    return {};
}

void showKeyHelpFor(ShellState& state, uint32_t keyCode) {
    if (state.graphShown()) return;
    const engine::KeyHelp help = engine::keyHelp(composedKeyText(state, keyCode), mainProgramModule());
    engine::showKeyHelp(help, state.windows.main);
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
