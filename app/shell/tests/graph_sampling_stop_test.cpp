// A click while the graph is sampled stops the sampling: the columns done so
// far keep their values, the rest of the curve is left out.
#include <cstring>

#include "graph_test_support.h"
#include "long_work_stop.h"

namespace shell::testing {
namespace {

using orvana::testing::LongWorkStop;

using GraphSamplingStop = GraphTest;

bool isGap(double y) {
    const double gap = kCurveGap;
    return std::memcmp(&y, &gap, sizeof y) == 0;
}

TEST_F(GraphSamplingStop, AStopLeavesTheRestOfTheCurveOut) {
    // Every sample takes a few looks at the poll, inside the product and the
    // determinant.
    enter(u"m=I(48)", 0);
    enter(u"det(m*m)*x");
    {
        const LongWorkStop stop(20);
        model().sample();
        EXPECT_EQ(stop.pointerPolls(), 20);
    }
    ASSERT_EQ(model().curveCount(), 1);
    const KeypadCurve& c = model().curves()[0];
    ASSERT_EQ(c.pointCount, 240);
    int done = 0;
    while (done < 240 && !isGap(c.y[done])) {
        EXPECT_DOUBLE_EQ(c.y[done], model().samples().x(done)) << done;
        ++done;
    }
    EXPECT_GE(done, 2);
    EXPECT_LE(done, 10);
    for (int i = done; i < 240; ++i) EXPECT_TRUE(isGap(c.y[i])) << i;

    // The next sampling runs to the end.
    model().sample();
    for (int i = 0; i < 240; ++i)
        ASSERT_DOUBLE_EQ(model().curves()[0].y[i], model().samples().x(i));
}

}  // namespace
}  // namespace shell::testing
