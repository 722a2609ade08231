/* Loadable modules: open a shared object by path, resolve entry points. */
#ifndef ORVANA_PLATFORM_MODULE_H
#define ORVANA_PLATFORM_MODULE_H

#include "platform/export.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct PlatformModule PlatformModule;

/* Returns null when the module cannot be loaded; platformModuleError() then
 * tells why. */
PLATFORM_API PlatformModule* platformLoadModule(const char* path);
/* The running program as a module: it has no symbols but the string table
 * the program registered (platformSetProgramStringTable), so its strings load
 * like a module's. Never null; freeing it does nothing. */
PLATFORM_API PlatformModule* platformProgramModule(void);
/* Returns null when the module has no such symbol. */
PLATFORM_API void* platformModuleSymbol(PlatformModule* module, const char* name);
/* Returns 1 when the module was released, 0 for a null handle or a failure. */
PLATFORM_API int platformFreeModule(PlatformModule* module);
/* The reason for the last failure of this thread's module calls, or "". */
PLATFORM_API const char* platformModuleError(void);

#ifdef __cplusplus
}
#endif

#endif
