// The shell state record.
#include "shell/shell_state.h"

#include "engine/workspace_settings.h"
#include "platform/edit_control.h"

namespace shell {

ShellState::ShellState()
    : graph(std::make_unique<GraphModel>(document.blocks(), engine::workspaceSettings())) {
    windows.edit = document.editLine();
    windows.composition = platformEditCreate();
}

ShellState::~ShellState() { platformEditDestroy(windows.composition); }

void syncBlockDisplay(ShellState& state) {
    const FormatSlot slot = state.formats.inUse();
    BlockDisplay& display = state.view.display();
    display.rows = slot.answerRows;
    display.formatCode = slot.formatCode;
    display.polar = slot.polar;
}

}  // namespace shell
