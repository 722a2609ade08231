#include "shell/engine_startup.h"

#include <filesystem>
#include <system_error>

#include "engine/call_failure.h"
#include "engine/evaluator.h"
#include "engine/library_loader.h"
#include "engine/script_folder.h"
#include "engine/scripts.h"
#include "engine/workspace_settings.h"
#include "platform/program_path.h"
#include "platform/text.h"

namespace shell {
namespace {

std::filesystem::path programFolder() {
    const int32_t length = platformProgramFolder(nullptr, 0);
    if (length <= 0) return {};
    std::u16string folder(size_t(length) + 1, u'\0');
    platformProgramFolder(folder.data(), length + 1);
    folder.resize(size_t(length));
    std::string path(platformUtf16ToUtf8(folder.c_str(), nullptr, 0) + 1, '\0');
    path.resize(platformUtf16ToUtf8(folder.c_str(), path.data(), path.size()));
    return path;
}

// An installed program keeps its keypads in ../lib/orvana; a program in a
// build tree has them beside it. The install tree is tried first, so that a
// program in a shared folder such as /usr/bin never offers that folder's
// other shared objects to the loader.
int loadKeypads() {
    for (const std::string& folder : keypadFolders()) {
        std::error_code error;
        if (!std::filesystem::is_directory(folder, error)) continue;
        if (const int n = engine::loadKeypadLibraries(folder.c_str()); n > 0) return n;
    }
    return 0;
}

}  // namespace

std::vector<std::string> keypadFolders() {
    const std::filesystem::path folder = programFolder();
    if (folder.empty()) return {};
    return {(folder / ".." / "lib" / "orvana").lexically_normal().string(), folder.string()};
}

EngineStartup::EngineStartup(std::u16string_view scriptFolder) {
    loaded_ = loadKeypads();
    engine::setScriptFolder(std::u16string(scriptFolder));
    engine::installScriptSupport();
}

EngineStartup::EngineStartup(std::u16string_view scriptFolder, const std::string& moduleFolder) {
    loaded_ = engine::loadKeypadLibraries(moduleFolder.c_str());
    engine::setScriptFolder(std::u16string(scriptFolder));
    engine::installScriptSupport();
}

EngineStartup::~EngineStartup() { engine::unloadKeypadLibraries(); }

void beginUserAction() {
    engine::clearScriptAbort();
    engine::clearCallFailure();
}

void useWorkspaceDisplaySlot() {
    engine::setEvaluationFlag(engine::workspaceSettings().evaluation);
}

}  // namespace shell
