// The binomial series runs up to millions of terms and sorting with a NaN key
// takes quadratic time; a click stops them part way with message 65, and
// unstopped they give the same bits as ever.
#include <cmath>
#include <cstring>

#include "long_work_stop.h"
#include "statistics_test_support.h"

namespace statistics::testing {
namespace {

using orvana::testing::LongWorkStop;

using StatisticsLongWork = StatisticsTest;

constexpr std::u16string_view kLongSeries[] = {
    u"bindist(300000,1000000,0.5)",
    u"invbindist(0.75,1000000,0.5)",
};

TEST_F(StatisticsLongWork, TheBinomialSeriesStopsPartWayWith65) {
    for (std::u16string_view line : kLongSeries) {
        const LongWorkStop stop(2);
        EXPECT_EQ(run(line).status, 65) << narrow(line);
        EXPECT_EQ(stop.pointerPolls(), 2) << narrow(line);
    }
    EXPECT_EQ(message(65), "Interrupted");
}

TEST_F(StatisticsLongWork, TheBinomialSeriesGivesTheSameBitsWhenNobodyPresses) {
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

TEST_F(StatisticsLongWork, SortingLongDataWithANaNKeyStopsAndLeavesTheDataAsItWas) {
    // A NaN key takes the quadratic insertion sort: 3000 rows in reverse.
    ASSERT_EQ(run(u"d=zero(3000,1)").status, 0);
    Matrix* d = const_cast<Matrix*>(variable(u"d"));
    ASSERT_NE(d, nullptr);
    d->re[0] = std::nan("");
    for (int i = 1; i < 3000; ++i) d->re[i] = 3000 - i;
    {
        const LongWorkStop stop(2);
        EXPECT_EQ(run(u"sort(\"d\",1)").status, 65);
    }
    for (int i = 1; i < 3000; ++i) ASSERT_EQ(variable(u"d")->re[i], 3000 - i) << i;
    EXPECT_EQ(run(u"sort(\"d\",1)").status, 0);
    EXPECT_EQ(variable(u"d")->re[1], 1.0);
}

}  // namespace
}  // namespace statistics::testing
