// The keypad module loader: binds a module's entry points into a
// KeypadLibrary record and keeps the module handles until unloading.
#include "engine/library_loader.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "engine/library_table.h"
#include "keypad.h"
#include "platform/drawing.h"
#include "platform/module.h"
#include "engine_state_data.h"

namespace engine {
namespace {

// What this loader opened, in load order: each module and its title bitmap.
constinit std::vector<LoadedModule>& loadedModules = theEngineState.loadedModules;

constexpr const char* kModuleEnding = ".so";
// A library's name fills a 30-unit slot with its terminator; the preferences
// store quick selects by that name, so a longer one could never be matched.
constexpr size_t kNameLimit = 29;

void complain(const char* path, const char* reason) {
    std::fprintf(stderr, "orvana: keypad library %s left out: %s\n", path, reason);
    std::fflush(stderr);
}

template <typename Entry>
bool bind(PlatformModule* module, const char* name, Entry& entry, std::string& missing) {
    entry = reinterpret_cast<Entry>(platformModuleSymbol(module, name));
    if (entry == nullptr) {
        if (!missing.empty()) missing += ", ";
        missing += name;
        return false;
    }
    return true;
}

// The display name: the file name without its directory and ".so" ending.
// File names are taken as Latin-1 bytes unless they are valid UTF-8, which
// the file system does not promise.
std::u16string displayName(const std::filesystem::path& path) {
    std::string stem = path.filename().string();
    if (stem.size() > 3 && stem.ends_with(kModuleEnding)) stem.resize(stem.size() - 3);
    std::u16string name;
    for (size_t i = 0; i < stem.size();) {
        const auto c = static_cast<unsigned char>(stem[i]);
        int length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        bool valid = length > 0 && i + size_t(length) <= stem.size();
        char32_t code = length == 1   ? c
                        : length == 2 ? c & 0x1F
                        : length == 3 ? c & 0x0F
                                      : c & 0x07;
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(stem[i + k]);
            valid = (next >> 6) == 2;
            code = (code << 6) | (next & 0x3F);
        }
        if (!valid) {
            name.push_back(char16_t(c));
            ++i;
            continue;
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            name.push_back(char16_t(0xD800 + (code >> 10)));
            name.push_back(char16_t(0xDC00 + (code & 0x3FF)));
        } else {
            name.push_back(char16_t(code));
        }
        i += size_t(length);
    }
    return name;
}

bool isCandidate(const std::filesystem::directory_entry& entry) {
    std::error_code error;
    if (!entry.is_regular_file(error)) return false;
    const std::string name = entry.path().filename().string();
    // "lib*.so" are the shared libraries the program links at start (the
    // value library, the platform layer); keypad modules carry no prefix.
    return name.size() > 3 && name.ends_with(kModuleEnding) && !name.starts_with("lib");
}

}  // namespace

int loadKeypadLibraryFile(const char* path) {
    if (path == nullptr || *path == '\0') return 0;
    if (libraryCount() >= kMaxLibraries) {
        complain(path, "the library table is full");
        return 0;
    }
    const std::u16string name = displayName(path);
    if (name.size() > kNameLimit) {
        complain(path, "its name is longer than 29 characters");
        return 0;
    }
    PlatformModule* module = platformLoadModule(path);
    if (module == nullptr) {
        complain(path, platformModuleError());
        return 0;
    }
    KeypadLibrary library{};
    library.module = module;
    std::string missing;
    bool complete = bind(module, "GetButtonRect", library.GetButtonRect, missing);
    complete &= bind(module, "MapKeyboard", library.MapKeyboard, missing);
    complete &= bind(module, "LoadBMP", library.LoadBMP, missing);
    complete &= bind(module, "GetOperator", library.GetOperator, missing);
    complete &= bind(module, "GetStrOperator", library.GetStrOperator, missing);
    complete &= bind(module, "doOperation", library.doOperation, missing);
    complete &= bind(module, "doGraph", library.doGraph, missing);
    complete &= bind(module, "doDraw", library.doDraw, missing);
    if (!complete) {
        complain(path, ("missing entry points " + missing).c_str());
        platformFreeModule(module);
        return 0;
    }
    // The title bitmap is optional: a library without one shows no picture.
    auto* title = platformLoadBitmap(module, "NAME");
    library.titleBitmap = title;
    const int number = addLibrary(library, name);
    if (number == 0) {
        complain(path, "the library table refused it");
        platformDestroySurface(title);
        platformFreeModule(module);
        return 0;
    }
    loadedModules.push_back({module, title});
    return number;
}

int loadKeypadLibraries(const char* folder) {
    if (folder == nullptr || *folder == '\0') return 0;
    std::error_code error;
    std::vector<std::filesystem::path> candidates;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        if (isCandidate(*it)) candidates.push_back(it->path());
    }
    // Name order (bytes), so library numbers are the same on every machine.
    std::sort(candidates.begin(), candidates.end(), [](const auto& a, const auto& b) {
        return a.filename().string() < b.filename().string();
    });
    int added = 0;
    for (const auto& path : candidates) {
        if (libraryCount() >= kMaxLibraries) {
            complain(path.c_str(), "the library table is full");
            continue;
        }
        if (loadKeypadLibraryFile(path.c_str()) != 0) ++added;
    }
    return added;
}

void unloadKeypadLibraries() {
    resetLibraries();
    // Last loaded first, the reverse of their dependencies on each other.
    for (auto it = loadedModules.rbegin(); it != loadedModules.rend(); ++it) {
        platformDestroySurface(it->title);
        platformFreeModule(it->module);
    }
    loadedModules.clear();
}

}  // namespace engine
