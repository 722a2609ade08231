// The settings record of the current Workspace.
#include "engine/workspace_settings.h"

#include "engine_state_data.h"

namespace engine {
namespace {

constinit WorkspaceSettings& current = theEngineState.settings;

}  // namespace

WorkspaceSettings& workspaceSettings() {
    return current;
}

void resetWorkspaceSettings() {
    current = WorkspaceSettings{};
}

}  // namespace engine
