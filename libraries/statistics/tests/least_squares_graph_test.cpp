// doGraph for lsq: the fitted line at the samples of a hand-made buffer,
// called directly and through the engine's graph run.
#include <cstring>
#include <vector>

#include "engine/evaluator.h"
#include "engine/parser.h"
#include "engine/value_stack.h"
#include "platform/heap.h"
#include "statistics_test_support.h"

namespace statistics::testing {
namespace {

constexpr OperatorCode kLsq = 0x1E15;

class StatisticsGraphTest : public StatisticsTest {
  protected:
    void SetUp() override {
        StatisticsTest::SetUp();
        // The count, then the x value of each column.
        samples_ = {5, -2, -1, 0, 1, 2};
        runAll({u"m={1,2.1|2,3.9|3,6.2|4,7.8|5,10.1}", u"down={1,3|2,2|3,1}", u"wall={2,1|2,5}"});
    }
    void TearDown() override {
        for (KeypadCurve& c : curves_) {
            platformHeapFree(c.x);
            platformHeapFree(c.y);
            platformHeapFree(c.penUp);
        }
    }

    // doGraph with the data parameter `data` on top of the value stack.
    int32_t graph(std::u16string_view data, OperatorCode op = kLsq) {
        Matrix* stack = engine::valueStack();
        int16_t* top = engine::stackTopAddress();
        *top = engine::kBlockStartTop + 1;
        const std::u16string name(data);
        copyStrMatrix(&stack[*top], name.c_str());
        const int32_t r = library().doGraph(samples_.data() + 1, curves_, &traces_, op, 0, 0, stack,
                                            top, engine::hostServices());
        EXPECT_EQ(*top, engine::kBlockStartTop + 1) << "doGraph moved the top index";
        *top = engine::kBlockStartTop;
        return r;
    }

    std::vector<double> samples_;
    KeypadCurve curves_[KEYPAD_CURVE_COUNT]{};
    int16_t traces_ = 0;
};

TEST_F(StatisticsGraphTest, FillsTheNextCurveWithTheLine) {
    traces_ = 2;
    curves_[2].colour = 3;
    curves_[2].lineFlag = 7;
    EXPECT_NE(graph(u"m"), 0);
    EXPECT_EQ(traces_, 3);
    const KeypadCurve& c = curves_[2];
    EXPECT_EQ(c.pointsAtSamples, 1);
    EXPECT_EQ(c.pointCount, 5);
    EXPECT_GE(c.capacity, 5);
    EXPECT_EQ(c.x, nullptr);
    EXPECT_EQ(c.auxiliary, nullptr);
    ASSERT_NE(c.y, nullptr);
    const double a = 1.99, b = 0.05;
    for (int i = 0; i < 5; ++i) EXPECT_NEAR(c.y[i], a * samples_[i + 1] + b, 1e-12) << i;
    EXPECT_EQ(c.firstX, -2.0);
    EXPECT_EQ(c.lastX, 2.0);
    EXPECT_EQ(c.smallestY, c.y[0]);
    EXPECT_EQ(c.largestY, c.y[4]);
    // The line and mark fields are the graph view's.
    EXPECT_EQ(c.colour, 3);
    EXPECT_EQ(c.lineFlag, 7);
    EXPECT_EQ(c.markStyle, 0);
}

TEST_F(StatisticsGraphTest, AFallingLineHasItsExtremesReversed) {
    ASSERT_NE(graph(u"down"), 0);
    const KeypadCurve& c = curves_[0];
    EXPECT_EQ(c.y[0], 6.0);
    EXPECT_EQ(c.y[4], 2.0);
    EXPECT_EQ(c.smallestY, 2.0);
    EXPECT_EQ(c.largestY, 6.0);
}

TEST_F(StatisticsGraphTest, ArraysOfOtherCurvesInTheRecordGo) {
    KeypadCurve& c = curves_[0];
    c.capacity = 16;
    c.x = static_cast<double*>(platformHeapAlloc(16 * sizeof(double)));
    c.y = static_cast<double*>(platformHeapAlloc(16 * sizeof(double)));
    c.penUp = static_cast<uint8_t*>(platformHeapAlloc(16));
    c.auxiliary = platformHeapAlloc(64);
    std::memset(c.penUp, 1, 16);
    ASSERT_NE(graph(u"m"), 0);
    EXPECT_EQ(c.x, nullptr);
    EXPECT_EQ(c.auxiliary, nullptr);
    EXPECT_EQ(c.capacity, 16);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(c.penUp[i], 0) << i;
}

TEST_F(StatisticsGraphTest, ReusesAndGrowsTheCurveArrays) {
    ASSERT_NE(graph(u"m"), 0);
    const double* first = curves_[0].y;
    traces_ = 0;
    ASSERT_NE(graph(u"down"), 0);
    EXPECT_EQ(curves_[0].y, first) << "arrays of enough capacity are kept";
    samples_ = {8, 0, 1, 2, 3, 4, 5, 6, 7};
    traces_ = 0;
    ASSERT_NE(graph(u"down"), 0);
    EXPECT_GE(curves_[0].capacity, 8);
    EXPECT_EQ(curves_[0].pointCount, 8);
    EXPECT_EQ(curves_[0].y[7], -3.0);
}

TEST_F(StatisticsGraphTest, AFailingFitOrAFullTableLeavesTheCurvesAlone) {
    for (std::u16string_view data : {u"wall", u"nosuch", u""}) {
        EXPECT_EQ(graph(data), 0) << narrow(data);
        EXPECT_EQ(traces_, 0);
        EXPECT_EQ(curves_[0].y, nullptr);
        EXPECT_EQ(curves_[0].pointCount, 0);
    }
    traces_ = KEYPAD_CURVE_COUNT;
    EXPECT_EQ(graph(u"m"), 0);
    traces_ = 0;
    EXPECT_EQ(graph(u"m", 0x0515), 0) << "only lsq draws itself";
    samples_ = {0};
    EXPECT_EQ(graph(u"m"), 0) << "an empty sample buffer";
    EXPECT_EQ(traces_, 0);
}

TEST_F(StatisticsGraphTest, TheEngineGraphRunEndsTheBlockWithTheLibraryTrace) {
    Token* list = nullptr;
    ASSERT_EQ(compileExpression(u"lsq(\"m\")", &list), 0);
    engine::setStackTop(engine::kBlockStartTop);
    EXPECT_EQ(runCodeForGraph(samples_.data() + 1, curves_, &traces_, list, 1, 0),
              engine::kGraphDrawnByLibrary);
    EXPECT_EQ(traces_, 1);
    EXPECT_EQ(curves_[0].pointCount, 5);
    // Not graphed: the operator runs as usual and draws nothing.
    EXPECT_EQ(runCodeForGraph(samples_.data() + 1, curves_, &traces_, list, 0, 0), 0);
    EXPECT_EQ(traces_, 1);
    freeCode(list);
}

}  // namespace
}  // namespace statistics::testing
