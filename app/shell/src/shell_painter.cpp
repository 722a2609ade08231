// Painting the block area and the keypad view from the shell state.
#include "shell/shell_painter.h"

#include <string>

#include "platform/edit_control.h"

namespace shell {

void ShellPainter::paintBlockArea(ShellState& state, PlatformSurface* surface, bool showCaret) {
    syncBlockDisplay(state);
    const std::u16string text = state.document.editText();
    int32_t start = 0, end = 0;
    platformEditGetSelection(state.document.editLine(), &start, &end);
    state.view.draw(state.document, surface, {text, start, end, showCaret});
}

void ShellPainter::paintKeypad(const ShellState& state, PlatformSurface* surface, int32_t x,
                               int32_t y) {
    KeypadViewInput input;
    input.libraryIndex = state.currentLibrary;
    input.page = state.page;
    input.helpMode = state.helpMode;
    input.rpnDisplay = state.document.rpnDisplay();
    input.quickSelects = state.quickSelect.slots;
    input.quickSelectCursor = state.quickSelect.cursor;
    keypad_.draw(surface, x, y, input);
}

std::optional<engine::KeyHelp> showKeyHelp(ShellState& state, uint32_t keyCode,
                                           PlatformModule* mainProgram,
                                           const KeyComposer& composer) {
    KeyHelpRequest request;
    request.keyCode = keyCode;
    request.graphShown = state.graphShown();
    request.currentLibrary = state.currentLibrary;
    request.composition = state.windows.composition;
    request.owner = state.windows.main;
    request.mainProgram = mainProgram;
    // The key-insertion code reads the document's flag while it composes.
    bool rpn = state.document.rpnDisplay();
    state.document.setRpnDisplay(false);
    auto help = showKeyHelpFor(request, rpn, composer);
    state.document.setRpnDisplay(rpn);
    return help;
}

}  // namespace shell
