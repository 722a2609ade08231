// The trace readout lines.
#include "graph_test_support.h"

namespace shell::testing {
namespace {

using GraphTrace = GraphTest;

std::u16string colour(int code) {
    return std::u16string(1, char16_t(code));
}

TEST_F(GraphTrace, ReadoutShowsTheCursorAndEveryCurveFromTheLast) {
    enter(u"x", 4);
    enter(u"x)", 2);
    enter(u"2*x", 5);
    model().setRange(GraphRange{0, 24, -13.3, 13.3});
    model().sample();
    model().setTrace(true);
    model().setCursor(15, 133);  // x = 1.5, y = 0
    const auto lines = model().traceReadout(0x0005, false);
    EXPECT_EQ(lines[0], u"x=1.5");
    EXPECT_EQ(lines[1], u"y=0");
    // Blocks 2, 1 and 0 are curves 0, 1 and 2; the readout goes from the
    // last curve backwards.
    EXPECT_EQ(lines[2], colour(4) + u" 1.5000");
    EXPECT_EQ(lines[3], colour(2) + u" --  ");
    EXPECT_EQ(lines[4], colour(5) + u" 3.0000");
    EXPECT_TRUE(lines[5].empty());
    EXPECT_TRUE(lines[6].empty());
    EXPECT_EQ(model().traceStripX(), u" x:1.500");
    EXPECT_EQ(model().traceStripY(), u"y:   0.00000 ");
}

TEST_F(GraphTrace, AtMostFiveCurveLinesAndLibraryPointsNearTheCursor) {
    installFakeLibrary();
    for (int k = 0; k < 6; ++k) enter(u"x", 1);
    enter(u"dots", 3);                                 // points at x = -1, 0, 1
    model().setRange(GraphRange{-1.2, 1.2, -10, 10});  // 100 pixels per unit
    model().sample();
    ASSERT_EQ(model().curveCount(), 7);
    model().setCursor(220, 133);  // x = 1: the dots curve has a point here
    auto lines = model().traceReadout(0x0005, false);
    EXPECT_EQ(lines[2], colour(1) + u" 1.0000");
    EXPECT_EQ(lines[6], colour(1) + u" 1.0000");  // only five of the six sampled curves

    // The dots curve is the first one, so it is shown only when fewer lines
    // are taken by later curves.
    for (int k = 0; k < 6; ++k) blocks_->block(k).setFlags(0);
    model().sample();
    lines = model().traceReadout(0x0005, false);
    EXPECT_EQ(lines[2], colour(3) + u" 7.0000");
    model().setCursor(202, 133);  // 0.82: more than 1.5 pixels from every point
    lines = model().traceReadout(0x0005, false);
    EXPECT_EQ(lines[2], colour(3));
}

}  // namespace
}  // namespace shell::testing
