// Key insertion's view of the shell: the document's editing state, the hidden
// composition control, RPN mode, the keypad's current library, the
// Variables/Scripts dialog, EXE with the view's scrolling, and the requests
// to redraw, all taken from the one ShellState.
#ifndef ORVANA_SHELL_SHELL_KEY_HOST_H
#define ORVANA_SHELL_SHELL_KEY_HOST_H

#include "engine/key_host.h"
#include "shell/shell_state.h"

namespace shell {

class ShellKeyHost : public engine::KeyHost {
public:
    explicit ShellKeyHost(ShellState& state) : state_(state) {}

    engine::BlockList& blocks() override { return state_.document.blocks(); }
    int active() const override { return state_.document.active(); }
    void setActive(int index) override { state_.document.setActive(index); }
    engine::UndoRecord& undoRecord() override { return state_.document.undoRecord(); }
    PlatformWindow editLine() override { return state_.document.editLine(); }
    PlatformWindow compositionControl() override { return state_.windows.composition; }
    bool rpnMode() const override { return state_.rpnMode; }
    void setRpnMode(bool on) override;
    bool rpnDisplay() const override { return state_.document.rpnDisplay(); }
    void setRpnDisplay(bool on) override;
    int currentLibrary() const override { return state_.currentLibrary + 1; }
    void exe(engine::KeyExe mode) override;
    engine::VariableChoice chooseVariable() override;
    void viewVariable(std::u16string_view name) override;
    bool graphVisible() const override { return state_.graphShown(); }
    void recomputeGraph() override;
    void redrawBlocks() override { state_.pending.redrawBlockArea = true; }
    void redrawKeypad() override { state_.pending.redrawKeypad = true; }
    void fitEntries() override;
    void reportError(uint16_t code) override;

private:
    ShellState& state_;
};

}  // namespace shell

#endif
