// The settings record of the current Workspace.
#include "engine/workspace_settings.h"

namespace engine {
namespace {

WorkspaceSettings current;

}  // namespace

WorkspaceSettings& workspaceSettings() {
    return current;
}

void resetWorkspaceSettings() {
    current = WorkspaceSettings{};
}

}  // namespace engine
