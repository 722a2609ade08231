/* The process heap. Every module allocates through here so that tests can
 * make allocations fail on purpose. */
#ifndef ORVANA_PLATFORM_HEAP_H
#define ORVANA_PLATFORM_HEAP_H

#include <stddef.h>

#include "platform/export.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Returns null when the heap is exhausted (or a failure hook says so). */
PLATFORM_API void* platformHeapAlloc(size_t bytes);
/* As platformHeapAlloc, with every byte set to 0. */
PLATFORM_API void* platformHeapAllocZeroed(size_t bytes);
/* Releases a block from platformHeapAlloc; null is ignored. */
PLATFORM_API void platformHeapFree(void* block);

/* A failure hook is asked before every allocation; a non-zero answer makes
 * that allocation fail. Passing null removes the hook. Meant for tests. */
typedef int (*PlatformHeapFailureHook)(size_t bytes, void* context);
PLATFORM_API void platformHeapSetFailureHook(PlatformHeapFailureHook hook, void* context);

#ifdef __cplusplus
}
#endif

#endif
