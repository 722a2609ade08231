// Owner of the script folder setting.
#include "engine/script_folder.h"

#include <utility>

#include "engine_state_data.h"
#include "platform/files.h"

namespace engine {
namespace {

constinit std::u16string& folder = theEngineState.scriptFolder;

}  // namespace

void setScriptFolder(std::u16string path) { folder = std::move(path); }

const std::u16string& scriptFolder() { return folder; }

std::u16string workspacePath(std::u16string_view name) {
    std::u16string path = folder;
    if (!path.empty() && path.back() != u'/') path += u'/';
    path += name;
    path += u".ovw";
    return path;
}

bool workspaceFileExists(std::u16string_view name) {
    if (folder.empty()) return false;
    return platformFileAttributes(workspacePath(name).c_str()) != PLATFORM_FILE_NO_ATTRIBUTES;
}

}  // namespace engine
