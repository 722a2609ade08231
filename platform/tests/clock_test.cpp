// The tick counter, its virtual clock, the local time and the program's path.
#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <string>
#include <thread>

#include "platform/clock.h"
#include "platform/program_path.h"

namespace {

TEST(Clock, TheVirtualClockMovesOnlyWhenAdvancedAndRealTimeNeverJumpsBack) {
    const uint32_t start = platformTickCount();
    platformUseVirtualClock(1);
    const uint32_t frozen = platformTickCount();
    EXPECT_GE(frozen - start, 0u);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(platformTickCount(), frozen);
    platformAdvanceClock(250);
    EXPECT_EQ(platformTickCount(), frozen + 250);
    platformAdvanceClock(0xFFFFFFFFu);  // wraps like the real counter
    EXPECT_EQ(platformTickCount(), frozen + 249);
    platformUseVirtualClock(0);
    EXPECT_LT(platformTickCount() - (frozen + 249), 1000u);
    platformAdvanceClock(5000);  // ignored on real time
    EXPECT_LT(platformTickCount() - (frozen + 249), 1000u);
}

TEST(Clock, LocalFileTimeCountsFrom1601InTheLocalZone) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const uint64_t expected =
        (uint64_t(now) + uint64_t(int64_t(local.tm_gmtoff)) + 11644473600ull) * 10000000ull;
    const uint64_t got = platformLocalFileTime();
    EXPECT_LT(got > expected ? got - expected : expected - got, 30000000ull);  // 3 s
}

TEST(ProgramPath, NamesThisTestProgramAndItsFolder) {
    char16_t path[1024];
    const int32_t length = platformProgramPath(path, 1024);
    ASSERT_GT(length, 0);
    const std::u16string full(path);
    EXPECT_EQ(full.size(), size_t(length));
    EXPECT_NE(full.find(u"platform_tests"), std::u16string::npos);
    char16_t folder[1024];
    const int32_t folderLength = platformProgramFolder(folder, 1024);
    EXPECT_EQ(std::u16string(folder), full.substr(0, full.rfind(u'/')));
    EXPECT_EQ(folderLength, int32_t(full.rfind(u'/')));
    char16_t small[4];
    EXPECT_EQ(platformProgramPath(small, 4), length);
    EXPECT_EQ(std::u16string(small), full.substr(0, 3));
}

}  // namespace
