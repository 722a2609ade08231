// The display-state commands: the graph view, full screen and RPN mode. The
// graph and full-screen toggles are the only operations that move the keypad
// view and the scroll bar.
#include "engine/scripts.h"
#include "engine/workspace_settings.h"
#include "shell/commands.h"

namespace shell {

void toggleGraphView(ShellState& state) {
    if (state.graphShown()) {
        state.view.setGraphShown(false);
        engine::setGraphViewShowing(false);
        state.keypadShown = !(state.fullScreen && state.page == 0);
        state.editSingleLine = false;
        state.leftButton = u"Eqns";
        state.pending.updateScrollBar = true;
    } else {
        state.keypadShown = false;
        state.editSingleLine = true;
        state.view.setGraphShown(true);
        engine::setGraphViewShowing(true);
        state.graph->recompute();
        state.leftButton = u"Graph";
    }
    state.pending.redrawClient = true;
}

void toggleFullScreen(ShellState& state) {
    if (state.fullScreen) {
        state.fullScreen = false;
        state.view.setBlockAreaHeight(kBlockAreaNormal);
        state.view.setFirstVisible(state.blocks(), state.document.active());
        state.keypadShown = true;
        state.keypadTop = kKeypadTop;
    } else {
        state.fullScreen = true;
        state.view.setBlockAreaHeight(kBlockAreaFullScreen);
        state.keypadShown = false;
    }
    state.pending.redrawClient = true;
    state.pending.updateScrollBar = true;
}

void toggleRpnMode(ShellState& state) {
    state.rpnMode = !state.rpnMode;
    state.document.setRpnDisplay(state.rpnMode);
    if (state.rpnMode) {
        // The RPN entry values start again from zero.
        engine::WorkspaceSettings& settings = engine::workspaceSettings();
        settings.rpnFirst = 0;
        settings.rpnSecond = 0;
    }
    state.rpnMenuChecked = state.rpnMode;
    state.pending.redrawKeypad = true;
}

}  // namespace shell
