// The shell state record.
#include "shell/shell_state.h"

#include "engine/workspace_settings.h"

namespace shell {

ShellState::ShellState()
    : graph(std::make_unique<GraphModel>(blocks, engine::workspaceSettings())) {}

ShellState::~ShellState() = default;

}  // namespace shell
