// Makes chosen heap allocations fail while the object lives, for tests of
// out-of-memory paths.
#ifndef ORVANA_PLATFORM_HEAP_FAILURES_H
#define ORVANA_PLATFORM_HEAP_FAILURES_H

#include <cstddef>

namespace orvana::testing {

class HeapFailures {
public:
    // Allocations numbered from 0 after construction; those from `first` on
    // fail, up to `count` of them (count < 0: all of them). Only requests of
    // at least `minBytes` bytes are counted and may fail.
    explicit HeapFailures(long first = 0, long count = -1, size_t minBytes = 0);
    ~HeapFailures();
    HeapFailures(const HeapFailures&) = delete;
    HeapFailures& operator=(const HeapFailures&) = delete;

    long failed() const { return failed_; }
    long seen() const { return seen_; }

private:
    static int hook(size_t bytes, void* context);

    long first_;
    long count_;
    size_t minBytes_;
    long seen_ = 0;
    long failed_ = 0;
};

}  // namespace orvana::testing

#endif
