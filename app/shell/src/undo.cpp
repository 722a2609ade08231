// One level of undo: the document takes the step back; the view keeps the
// list in range and the scroll bar follows.
#include "shell/commands.h"

namespace shell {

void undoLastChange(ShellState& state) {
    if (!state.document.undo().done) return;
    state.view.setFirstVisible(state.blocks(), state.view.firstVisible());
    state.pending.updateScrollBar = true;
}

}  // namespace shell
