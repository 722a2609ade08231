// The process heap with a test hook that can refuse allocations.
#include "platform/heap.h"

#include <cstdlib>

namespace {
PlatformHeapFailureHook failureHook = nullptr;
void* failureContext = nullptr;

bool refused(size_t bytes) { return failureHook != nullptr && failureHook(bytes, failureContext); }
}  // namespace

extern "C" {

void* platformHeapAlloc(size_t bytes) {
    if (refused(bytes)) return nullptr;
    // malloc(0) may return null; a zero-byte request still gets a real block.
    return std::malloc(bytes == 0 ? 1 : bytes);
}

void* platformHeapAllocZeroed(size_t bytes) {
    if (refused(bytes)) return nullptr;
    return std::calloc(bytes == 0 ? 1 : bytes, 1);
}

void platformHeapFree(void* block) { std::free(block); }

void platformHeapSetFailureHook(PlatformHeapFailureHook hook, void* context) {
    failureHook = hook;
    failureContext = context;
}

}  // extern "C"
