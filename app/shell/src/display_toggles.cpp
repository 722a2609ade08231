// The display-state commands: the graph view, full screen and RPN mode. The
// graph and full-screen toggles are the only operations that move the keypad
// view and the scroll bar.
#include "engine/key_insertion.h"
#include "engine/scripts.h"
#include "shell/commands.h"
#include "shell/shell_key_host.h"

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
    ShellKeyHost host(state);
    engine::toggleRpnMode(host);
    state.pending.redrawKeypad = true;
}

}  // namespace shell
