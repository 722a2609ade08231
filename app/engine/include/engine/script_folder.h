// The script folder: where Workspaces that expressions may call are kept.
#ifndef ORVANA_ENGINE_SCRIPT_FOLDER_H
#define ORVANA_ENGINE_SCRIPT_FOLDER_H

#include <string>
#include <string_view>

namespace engine {

void setScriptFolder(std::u16string folder);
const std::u16string& scriptFolder();
// The path of the Workspace file of that name in the script folder.
std::u16string workspacePath(std::u16string_view name);
// True when the Workspace file of that name exists (its attributes can be
// read).
bool workspaceFileExists(std::u16string_view name);

}  // namespace engine

#endif
