// Loadable modules on top of the dynamic loader.
#include "platform/module.h"

#include <dlfcn.h>

#include <cstring>
#include <string>

#include "platform/string_resources.h"

namespace {
thread_local std::string lastError;

// The program's own string table, served through a handle of its own that no
// dynamic-loader call ever sees.
const PlatformStringEntry* programStrings = nullptr;
char programTag;
PlatformModule* programHandle() { return reinterpret_cast<PlatformModule*>(&programTag); }

void remember(const char* error) { lastError = error != nullptr ? error : ""; }
}  // namespace

extern "C" {

PlatformModule* platformLoadModule(const char* path) {
    if (path == nullptr || *path == '\0') {
        remember("no module path given");
        return nullptr;
    }
    void* handle = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        remember(dlerror());
        return nullptr;
    }
    remember(nullptr);
    return static_cast<PlatformModule*>(handle);
}

PlatformModule* platformProgramModule(void) { return programHandle(); }

void platformSetProgramStringTable(const PlatformStringEntry* table) { programStrings = table; }

void* platformModuleSymbol(PlatformModule* module, const char* name) {
    if (module != nullptr && module == programHandle()) {
        const bool strings = name != nullptr && std::strcmp(name, PLATFORM_STRING_TABLE_SYMBOL) == 0;
        return strings ? const_cast<PlatformStringEntry*>(programStrings) : nullptr;
    }
    if (module == nullptr || name == nullptr) {
        remember("no module or symbol name given");
        return nullptr;
    }
    dlerror();
    void* symbol = dlsym(module, name);
    if (symbol == nullptr) {
        const char* error = dlerror();
        remember(error != nullptr ? error : "symbol is null");
    }
    return symbol;
}

int platformFreeModule(PlatformModule* module) {
    if (module == nullptr) return 0;
    if (module == programHandle()) return 1;
    if (dlclose(module) != 0) {
        remember(dlerror());
        return 0;
    }
    return 1;
}

const char* platformModuleError(void) { return lastError.c_str(); }

}  // extern "C"
