#include "keypad_libraries.h"

#include <filesystem>
#include <system_error>

#include "engine/library_loader.h"

namespace cli {

KeypadLibraries::KeypadLibraries() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return;
    const std::filesystem::path folder = self.parent_path();
    if (engine::loadKeypadLibraries(folder.c_str()) > 0) return;
    const std::filesystem::path installed = folder / ".." / "lib" / "orvana";
    if (std::filesystem::is_directory(installed, error))
        engine::loadKeypadLibraries(installed.c_str());
}

KeypadLibraries::~KeypadLibraries() {
    engine::unloadKeypadLibraries();
}

}  // namespace cli
