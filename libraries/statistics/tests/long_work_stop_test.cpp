// The binomial series runs up to millions of terms; a click stops it part
// way with message 65, and unstopped it gives the same bits as ever.
#include <cstring>

#include "long_work_stop.h"
#include "statistics_test_support.h"

namespace statistics::testing {
namespace {

using orvana::testing::LongWorkStop;

using LongBinomialSeries = StatisticsTest;

constexpr std::u16string_view kLongSeries[] = {
    u"bindist(300000,1000000,0.5)",
    u"invbindist(0.75,1000000,0.5)",
};

TEST_F(LongBinomialSeries, StopsPartWayWith65) {
    for (std::u16string_view line : kLongSeries) {
        const LongWorkStop stop(2);
        EXPECT_EQ(run(line).status, 65) << narrow(line);
        EXPECT_EQ(stop.pointerPolls(), 2) << narrow(line);
    }
    EXPECT_EQ(message(65), "Interrupted");
}

TEST_F(LongBinomialSeries, GivesTheSameBitsWhenNobodyPresses) {
    for (std::u16string_view line : kLongSeries) {
        const Outcome plain = run(line);
        ASSERT_EQ(plain.status, 0) << narrow(line);
        const LongWorkStop nobodyPresses(0);
        const Outcome polled = run(line);
        ASSERT_EQ(polled.status, 0) << narrow(line);
        EXPECT_GT(nobodyPresses.pointerPolls(), 0);
        const double a = plain.re(), b = polled.re();
        EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0) << narrow(line);
    }
}

}  // namespace
}  // namespace statistics::testing
