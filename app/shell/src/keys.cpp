// Key-up messages, characters and the hardware keys of the main window.
#include "shell/keys.h"

#include "platform/clock.h"
#include "shell/commands.h"
#include "shell/graph_keys.h"
#include "shell/key_routing.h"
#include "shell/keypad_choice.h"

namespace shell {
namespace {

constexpr char16_t kDotKey = u'.';

// Back to page 0: in full screen the keypad goes away.
void returnToPageZero(ShellState& state) {
    state.page = 0;
    if (state.fullScreen)
        state.keypadShown = false;
    else
        state.pending.redrawKeypad = true;
}

void nextPage(ShellState& state) {
    state.page = int16_t((state.page + 1) % kPageCount);
    if (state.fullScreen) {
        if (state.page != 0)
            showKeypadOverList(state);
        else
            state.keypadShown = false;
    }
    state.pending.redrawKeypad = true;
}

void moveBetweenBlocks(ShellState& state, bool up) {
    WorkspaceDocument& document = state.document;
    if (up)
        state.view.moveUp(document);
    else
        state.view.moveDown(document);
    if (state.rpnMode) document.setRpnDisplay(document.active() == document.blocks().count() - 1);
    state.pending.updateScrollBar = true;
    state.pending.redrawBlockArea = true;
}

void back(ShellState& state) {
    if (state.graphShown()) {
        state.graph->command(GraphCommand::UndoScaling);
        state.pending.redrawClient = true;
        return;
    }
    if (state.page == 0) {
        eraseBeforeCaret(state);
        return;
    }
    state.page = 0;
    if (state.fullScreen) {
        state.keypadShown = false;
        state.pending.redrawClient = true;
    }
    state.pending.redrawKeypad = true;
}

// Accepts a hardware key only when more than 200 ms passed since the last
// one. The difference is taken in floating point, so a stored time in the
// future (after Record) keeps keys out until it has passed by 200 ms.
bool debounce(ShellState& state, uint32_t now) {
    if (double(now) - double(state.hardwareKeyTime) <= kHardwareKeyGapMs) return false;
    state.hardwareKeyTime = now;
    return true;
}

}  // namespace

void passKey(ShellState& state, uint32_t keyCode) {
    if (state.helpMode)
        showHelpOfKey(state, keyCode);
    else
        routeKey(state, keyCode);
    returnToPageZero(state);
}

void onKeyUp(ShellState& state, int key) {
    if (state.graphShown() && graphViewKeyUp(state, key)) return;
    switch (key) {
    case kKeyLeft:
    case kKeyRight:
        if (state.page != 0)
            moveQuickSelectCursor(state, key == kKeyRight);
        else
            moveTokenCursor(state, key == kKeyRight);
        break;
    case kKeyUp:
    case kKeyDown: moveBetweenBlocks(state, key == kKeyUp); break;
    case kKeyF8: passKey(state, (uint32_t(state.page) << kPageShift) + kDotKey); break;
    case kKeyF9: nextPage(state); break;
    default: break;
    }
}

void onCharacter(ShellState& state, char16_t character) {
    if (state.graphShown() && graphViewCharacter(state, character)) return;
    const uint32_t keyCode = character + (uint32_t(state.page) << kPageShift);
    state.lastKey = keyCode;
    passKey(state, keyCode);
    recomputeGraphAfterKey(state);
}

bool onHotKey(ShellState& state, int key) {
    const uint32_t now = platformTickCount();
    if (!debounce(state, now)) return false;
    switch (key) {
    case kKeyBack: back(state); break;
    case kKeyVolumeUp:
        state.helpMode = !state.helpMode;
        state.pending.redrawKeypad = true;
        break;
    case kKeyVolumeDown: runCommand(state, kCmdFullScreen); break;
    case kKeyRecord:
        runCommand(state, kCmdGraph);
        state.hardwareKeyTime = now + kRecordExtraMs;
        break;
    default: break;
    }
    return true;
}

}  // namespace shell
