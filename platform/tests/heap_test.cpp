// The heap and its failure hook.
#include <gtest/gtest.h>

#include <cstring>

#include "heap_failures.h"
#include "platform/heap.h"

using orvana::testing::HeapFailures;

TEST(Heap, AllocatesZeroedAndZeroSizedBlocks) {
    auto* p = static_cast<unsigned char*>(platformHeapAllocZeroed(64));
    ASSERT_NE(p, nullptr);
    for (int i = 0; i < 64; ++i) EXPECT_EQ(p[i], 0);
    platformHeapFree(p);
    void* z = platformHeapAlloc(0);
    EXPECT_NE(z, nullptr);
    platformHeapFree(z);
    platformHeapFree(nullptr);
}

TEST(Heap, FailureInjectionCountsAndFiltersBySize) {
    HeapFailures failures(1, 2, 16);  // the 2nd and 3rd requests of 16+ bytes fail
    void* small = platformHeapAlloc(8);  // not counted
    void* a = platformHeapAlloc(32);
    void* b = platformHeapAlloc(32);
    void* c = platformHeapAllocZeroed(32);
    void* d = platformHeapAlloc(32);
    EXPECT_NE(small, nullptr);
    EXPECT_NE(a, nullptr);
    EXPECT_EQ(b, nullptr);
    EXPECT_EQ(c, nullptr);
    EXPECT_NE(d, nullptr);
    EXPECT_EQ(failures.failed(), 2);
    EXPECT_EQ(failures.seen(), 4);
    platformHeapFree(small);
    platformHeapFree(a);
    platformHeapFree(d);
}

TEST(Heap, HookIsRemovedWithTheInjector) {
    { HeapFailures failures; }
    void* p = platformHeapAlloc(100);
    EXPECT_NE(p, nullptr);
    platformHeapFree(p);
}
