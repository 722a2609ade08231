#include "heap_failures.h"

#include "platform/heap.h"

namespace orvana::testing {

HeapFailures::HeapFailures(long first, long count, size_t minBytes)
    : first_(first), count_(count), minBytes_(minBytes) {
    platformHeapSetFailureHook(&HeapFailures::hook, this);
}

HeapFailures::~HeapFailures() { platformHeapSetFailureHook(nullptr, nullptr); }

int HeapFailures::hook(size_t bytes, void* context) {
    auto* self = static_cast<HeapFailures*>(context);
    if (bytes < self->minBytes_) return 0;
    long index = self->seen_++;
    bool fail = index >= self->first_ && (self->count_ < 0 || index < self->first_ + self->count_);
    if (fail) ++self->failed_;
    return fail ? 1 : 0;
}

}  // namespace orvana::testing
