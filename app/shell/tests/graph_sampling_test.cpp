// Sampling graphed blocks: the sample buffer, per-column values, gaps, the
// "imag data ignored" flag, the curve limit and library-drawn curves.
#include <cmath>

#include "engine/answer_index.h"
#include "engine/variables.h"
#include "graph_test_support.h"
#include "heap_failures.h"
#include "platform/heap.h"

namespace shell::testing {
namespace {

using GraphSampling = GraphTest;

TEST_F(GraphSampling, SampleBufferHoldsTheXOfEveryColumn) {
    struct Row {
        GraphRange range;
    };
    const Row rows[] = {
        {{-18, 18, -10, 10}}, {{0, 1, 0, 1}}, {{-1e-3, 5e-3, -1, 1}}, {{1e6, 3e6, -1, 1}}};
    for (const Row& row : rows) {
        model().setRange(row.range);
        model().sample();
        const SampleBuffer& s = model().samples();
        const GraphMapping m = model().mapping();
        ASSERT_EQ(s.count(), 240);
        EXPECT_EQ(s.xValues()[-1], 240.0);
        for (int i = 0; i < 240; ++i) ASSERT_EQ(s.x(i), (i - m.cx) / m.sx) << i;
        EXPECT_NEAR(s.x(0), row.range.xMin, 1e-9 * std::fabs(row.range.xMax - row.range.xMin));
        const double step = (row.range.xMax - row.range.xMin) / 240;
        EXPECT_NEAR(s.x(239), row.range.xMax - step, 1e-9 * std::fabs(row.range.xMax));
    }
}

TEST_F(GraphSampling, EachColumnGetsTheBlocksRealValue) {
    enter(u"x*x-3");
    model().sample();
    ASSERT_EQ(model().curveCount(), 1);
    const KeypadCurve& c = model().curves()[0];
    EXPECT_EQ(c.blockIndex, 0);
    EXPECT_EQ(c.colour, 1);
    EXPECT_EQ(c.pointsAtSamples, 1);
    EXPECT_EQ(c.lineFlag, 1);
    EXPECT_EQ(c.pointCount, 240);
    double lo = 1e300, hi = -1e300;
    for (int i = 0; i < 240; ++i) {
        const double x = model().samples().x(i);
        ASSERT_DOUBLE_EQ(c.y[i], x * x - 3) << i;
        lo = std::min(lo, c.y[i]);
        hi = std::max(hi, c.y[i]);
    }
    // The curve's y range is widened by a tenth of its span at each end.
    EXPECT_DOUBLE_EQ(c.smallestY, lo - 0.1 * (hi - lo));
    EXPECT_DOUBLE_EQ(c.largestY, hi + 0.1 * (hi - lo));
    EXPECT_DOUBLE_EQ(c.firstX, model().samples().x(0));
    EXPECT_DOUBLE_EQ(c.lastX, model().samples().x(239));
    EXPECT_FALSE(model().imagDataIgnored());
    EXPECT_TRUE(model().resampleNeeded());
}

TEST_F(GraphSampling, FailingBlocksGiveGapsAndNoMessage) {
    struct Row {
        const char16_t* text;
        bool allGaps;
    };
    const Row rows[] = {
        {u"=3", true},               // syntax error: never evaluated
        {u"x)", true},               // missing parenthesis
        {u"*comment", true},         // a comment is not plotted
        {u"\"text\"", true},         // a string answer has no value to plot
        {u"inv({x,1|1,1})", false},  // singular only where x = 1
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(&row - rows);
        SetUp();
        engine::EquationBlock& block = enter(row.text);
        const uint16_t status = block.status();
        model().setRange(GraphRange{0, 2.4, -1, 1});  // x = 1 is a column
        model().sample();
        ASSERT_EQ(model().curveCount(), 1);
        const KeypadCurve& c = model().curves()[0];
        int gaps = 0;
        for (int i = 0; i < c.pointCount; ++i) gaps += isCurveGap(c.y[i]) ? 1 : 0;
        if (row.allGaps) {
            EXPECT_EQ(gaps, 240);
            EXPECT_EQ(block.status(), status) << "the block keeps its own status";
            // With no point the curve leaves the y extents to the defaults.
            EXPECT_DOUBLE_EQ(model().dataExtents().yMin, -10);
            EXPECT_DOUBLE_EQ(model().dataExtents().yMax, 10);
        } else {
            EXPECT_GE(gaps, 1);
            EXPECT_LT(gaps, 10);
            EXPECT_TRUE(isCurveGap(c.y[100]));
        }
        EXPECT_FALSE(model().imagDataIgnored());
        TearDown();
    }
    SetUp();
}

TEST_F(GraphSampling, ComplexValuesArePlottedByTheirRealPartsAndFlagged) {
    enter(u"x+2*i");
    enter(u"x", 2);
    model().sample();
    ASSERT_EQ(model().curveCount(), 2);
    for (int i = 0; i < 240; ++i)
        ASSERT_DOUBLE_EQ(model().curves()[1].y[i], model().samples().x(i));
    EXPECT_TRUE(model().imagDataIgnored());

    // The flag is cleared by the next sampling when nothing complex is left.
    blocks_->block(0).setFlags(0);
    model().sample();
    EXPECT_EQ(model().curveCount(), 1);
    EXPECT_FALSE(model().imagDataIgnored());
}

TEST_F(GraphSampling, AtMostTwentyCurvesFromTheLastBlockBackwards) {
    for (int k = 0; k < 25; ++k)
        enter(u"x+" + std::u16string(1, char16_t(u'0' + k % 10)), 1 + k % 7);
    enter(u"99", 0);  // not graphed
    model().sample();
    ASSERT_EQ(model().curveCount(), 20);
    for (int k = 0; k < 20; ++k) {
        EXPECT_EQ(model().curves()[k].blockIndex, 24 - k);
        EXPECT_EQ(model().curves()[k].colour, 1 + (24 - k) % 7);
    }
}

TEST_F(GraphSampling, TheAnswerIndexIsTheBlockAboveWhileSamplingAndRestoredAfter) {
    enter(u"5");
    enter(u"ANS+x");
    engine::setAnswerIndex(7);
    model().sample();
    ASSERT_EQ(model().curveCount(), 2);
    const KeypadCurve& c = model().curves()[0];  // block 1, sampled first
    EXPECT_EQ(c.blockIndex, 1);
    EXPECT_DOUBLE_EQ(c.y[0], 5 + model().samples().x(0));
    EXPECT_EQ(engine::answerIndex(), 7);
}

TEST_F(GraphSampling, DataExtentsCoverEveryCurveOrFallBackToTheDefaults) {
    model().sample();
    GraphRange e = model().dataExtents();
    EXPECT_DOUBLE_EQ(e.xMin, -18);
    EXPECT_DOUBLE_EQ(e.yMax, 10);

    enter(u"x");
    enter(u"x/2+20");
    model().sample();
    e = model().dataExtents();
    EXPECT_DOUBLE_EQ(e.xMin, model().samples().x(0));
    EXPECT_DOUBLE_EQ(e.xMax, model().samples().x(239));
    EXPECT_DOUBLE_EQ(e.yMin, model().curves()[1].smallestY);
    EXPECT_DOUBLE_EQ(e.yMax, model().curves()[0].largestY);
}

TEST_F(GraphSampling, LibraryCurvesStandAsTheLibraryDrewThem) {
    installFakeLibrary();
    enter(u"dots");
    enter(u"twice");
    enter(u"refuse");
    model().sample();
    // "refuse" drew nothing and is not sampled either; "twice" made two
    // curves, "dots" one.
    ASSERT_EQ(model().curveCount(), 3);
    EXPECT_EQ(model().curves()[0].blockIndex, 1);
    EXPECT_EQ(model().curves()[1].blockIndex, 1);
    EXPECT_EQ(model().curves()[2].blockIndex, 0);
    EXPECT_EQ(model().curves()[2].pointCount, 3);
    EXPECT_FALSE(model().resampleNeeded()) << "no curve depends on the x range";
    const GraphRange e = model().dataExtents();
    EXPECT_DOUBLE_EQ(e.xMin, -1);
    EXPECT_DOUBLE_EQ(e.xMax, 1);
    EXPECT_DOUBLE_EQ(e.yMin, 0);
    EXPECT_DOUBLE_EQ(e.yMax, 7);
    // The records beyond the count are reset.
    EXPECT_EQ(model().curves()[3].pointCount, 0);
    EXPECT_EQ(model().curves()[3].smallestY, 1e300);
}

TEST_F(GraphSampling, ALibraryCurveAtTheSamplesAsksForResamplingAndAFit) {
    installFakeLibrary();
    enter(u"wave");
    model().setRange(GraphRange{0, 4, -1, 1});
    model().sample();
    ASSERT_EQ(model().curveCount(), 1);
    EXPECT_TRUE(model().resampleNeeded());
    // The curve asked for a fit: the range became its extents at once.
    const GraphRange v = model().visible();
    EXPECT_NEAR(v.yMin, 0, 1e-9);
    EXPECT_NEAR(v.yMax, 2 * model().samples().x(239), 1e-9);
}

TEST_F(GraphSampling, OutOfMemoryForAPointArrayLeavesTheBlockOut) {
    enter(u"x");
    {
        orvana::testing::HeapFailures failures(0, -1, 240 * sizeof(double));
        model().sample();
    }
    EXPECT_EQ(model().curveCount(), 0);
    model().sample();
    EXPECT_EQ(model().curveCount(), 1);
}

}  // namespace
}  // namespace shell::testing
