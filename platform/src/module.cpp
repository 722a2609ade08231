// Loadable modules on top of the dynamic loader.
#include "platform/module.h"

#include <dlfcn.h>

#include <string>

namespace {
thread_local std::string lastError;

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

PlatformModule* platformProgramModule(void) {
    void* handle = dlopen(nullptr, RTLD_NOW);
    remember(handle == nullptr ? dlerror() : nullptr);
    return static_cast<PlatformModule*>(handle);
}

void* platformModuleSymbol(PlatformModule* module, const char* name) {
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
    if (dlclose(module) != 0) {
        remember(dlerror());
        return 0;
    }
    return 1;
}

const char* platformModuleError(void) { return lastError.c_str(); }

}  // extern "C"
