#include "shell/engine_startup.h"

#include <filesystem>
#include <system_error>

#include "engine/evaluator.h"
#include "engine/library_loader.h"
#include "engine/script_folder.h"
#include "engine/scripts.h"
#include "engine/workspace_settings.h"

namespace shell {
namespace {

std::filesystem::path programFolder() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : self.parent_path();
}

int loadKeypads() {
    const std::filesystem::path folder = programFolder();
    if (folder.empty()) return 0;
    if (const int n = engine::loadKeypadLibraries(folder.c_str()); n > 0) return n;
    std::error_code error;
    const std::filesystem::path installed = folder / ".." / "lib" / "orvana";
    if (!std::filesystem::is_directory(installed, error)) return 0;
    return engine::loadKeypadLibraries(installed.c_str());
}

}  // namespace

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

void beginUserAction() { engine::clearScriptAbort(); }

void useWorkspaceDisplaySlot() {
    engine::setEvaluationFlag(engine::workspaceSettings().evaluation);
}

}  // namespace shell
