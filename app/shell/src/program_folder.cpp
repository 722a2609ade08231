// The per-user program folder and its starter files.
#include "shell/program_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/atomic_file.h"

namespace shell {
namespace {

namespace fs = std::filesystem;

// Short names a user reaches for first; each fits the New Variable dialog's
// ten-character name field.
constexpr std::string_view kDefaultVariables =
    "velocity\n"
    "mass\n"
    "time\n"
    "rate\n"
    "total\n"
    "distance\n"
    "speed\n"
    "force\n"
    "energy\n"
    "power\n"
    "pressure\n"
    "volume\n"
    "area\n"
    "length\n"
    "width\n"
    "height\n"
    "radius\n"
    "angle\n"
    "price\n"
    "count\n";

// An absolute folder named by the environment variable, or an empty path.
fs::path absoluteFromEnvironment(const char* variable) {
    const char* value = std::getenv(variable);
    if (value == nullptr || *value == '\0') return {};
    fs::path path(value);
    return path.is_absolute() ? path : fs::path();
}

fs::path folderPath() {
    fs::path base = absoluteFromEnvironment("XDG_CONFIG_HOME");
    if (base.empty()) {
        const fs::path home = absoluteFromEnvironment("HOME");
        if (home.empty()) return {};
        base = home / ".config";
    }
    return base / "orvana";
}

std::u16string withSlash(const fs::path& folder) {
    if (folder.empty()) return {};
    std::u16string text = folder.u16string();
    if (text.back() != u'/') text.push_back(u'/');
    return text;
}

}  // namespace

std::u16string programFolder() { return withSlash(folderPath()); }

std::u16string programFilePath(std::u16string_view fileName) {
    return programFolder() + std::u16string(fileName);
}

bool prepareProgramFolder() {
    const fs::path folder = folderPath();
    if (folder.empty()) return false;
    std::error_code error;
    fs::create_directories(folder, error);
    if (!fs::is_directory(folder, error)) return false;
    const fs::path names = folder / "defvars.txt";
    if (!fs::exists(names, error) && !error) {
        platformWriteFileAtomically(names.u16string().c_str(), kDefaultVariables.data(),
                                    kDefaultVariables.size());
    }
    return true;
}

std::string_view defaultVariableNames() { return kDefaultVariables; }

std::u16string documentsFolder() {
    const fs::path home = absoluteFromEnvironment("HOME");
    if (home.empty()) return {};
    std::error_code error;
    const fs::path documents = home / "Documents";
    return withSlash(fs::is_directory(documents, error) ? documents : home);
}

}  // namespace shell
