#include "shell/shell_key_host.h"

#include "engine/messages.h"

namespace shell {

void ShellKeyHost::setRpnMode(bool on) {
    state_.rpnMode = on;
    state_.rpnMenuChecked = on;
}

void ShellKeyHost::setRpnDisplay(bool on) {
    // The keypad shows the RPN overlay while the display is on.
    if (on != state_.document.rpnDisplay()) state_.pending.redrawKeypad = true;
    state_.document.setRpnDisplay(on);
}

void ShellKeyHost::exe(engine::KeyExe mode) {
    state_.view.exe(state_.document,
                    mode == engine::KeyExe::CommitOnly ? ExeMode::CommitOnly : ExeMode::Normal);
    state_.pending.updateScrollBar = true;
    state_.pending.redrawBlockArea = true;
}

engine::VariableChoice ShellKeyHost::chooseVariable() {
    return state_.dialogs.variables(state_);
}

void ShellKeyHost::viewVariable(std::u16string_view name) {
    state_.dialogs.variableViewer(state_, name);
}

void ShellKeyHost::recomputeGraph() {
    state_.graph->recompute();
}

void ShellKeyHost::fitEntries() {
    const engine::BlockList& list = state_.document.blocks();
    const int last = list.count() - 1;
    int first = state_.view.firstVisible();
    int32_t total = 0;
    for (int k = first; k <= last; ++k) total += state_.view.height(list, k, k == last);
    while (total > state_.view.blockAreaHeight() && first < last) {
        total -= state_.view.height(list, first, false);
        ++first;
    }
    state_.view.setFirstVisible(list, first);
    state_.pending.updateScrollBar = true;
}

void ShellKeyHost::reportError(uint16_t code) { engine::showError(code, state_.windows.main); }

}  // namespace shell
