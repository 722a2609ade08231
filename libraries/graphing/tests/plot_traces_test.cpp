// The traces doGraph draws for plot, line, polarplot, label and title,
// reached through the engine's graph run.
#include <cmath>
#include <cstring>
#include <numbers>

#include "graphing_test_support.h"

namespace graphing_testing {
namespace {

using PlotTraces = GraphingTest;

void expectWidenedRanges(const KeypadCurve& c, double xmin, double xmax, double ymin,
                         double ymax) {
    EXPECT_DOUBLE_EQ(c.firstX, xmin - 0.1 * (xmax - xmin));
    EXPECT_DOUBLE_EQ(c.lastX, xmax + 0.1 * (xmax - xmin));
    EXPECT_DOUBLE_EQ(c.smallestY, ymin - 0.1 * (ymax - ymin));
    EXPECT_DOUBLE_EQ(c.largestY, ymax + 0.1 * (ymax - ymin));
}

TEST_F(PlotTraces, ColumnsAfterTheFirstAreTracesInConsecutiveColours) {
    setMatrix(u"m", 3, 3, {0, 10, 20, 1, 11, 21, 2, 12, 22});
    presetColour(3);
    ASSERT_EQ(graph(u"plot(m,\"-\",\"cols\")"), kDrawn);
    ASSERT_EQ(traces(), 2);
    for (int t = 0; t < 2; ++t) {
        const KeypadCurve& c = curve(t);
        EXPECT_EQ(c.colour, 3 + t);
        EXPECT_EQ(c.lineFlag, 1);
        EXPECT_EQ(c.markStyle, 0);
        EXPECT_EQ(c.pointsAtSamples, 0);
        EXPECT_EQ(c.fitRange, 0);
        EXPECT_EQ(c.penUp, nullptr);
        ASSERT_EQ(c.pointCount, 3);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(c.x[i], double(i));
            EXPECT_EQ(c.y[i], 10.0 * (t + 1) + i);
        }
        expectWidenedRanges(c, 0, 2, 10.0 * (t + 1), 10.0 * (t + 1) + 2);
    }
    EXPECT_EQ(std::u16string(curve(0).label), u"cols");
}

TEST_F(PlotTraces, PlotMarksSquaresAndLineDrawsALine) {
    ASSERT_EQ(graph(u"plot({4,5,3})"), kDrawn);
    EXPECT_EQ(curve(0).lineFlag, 0);
    EXPECT_EQ(curve(0).markStyle, 3);
    // A row vector against the element index from 0.
    ASSERT_EQ(curve(0).pointCount, 3);
    EXPECT_EQ(curve(0).x[0], 0.0);
    EXPECT_EQ(curve(0).x[2], 2.0);
    EXPECT_EQ(curve(0).y[2], 3.0);
    expectWidenedRanges(curve(0), 0, 2, 3, 5);

    ASSERT_EQ(graph(u"line({1|2})"), kDrawn);
    EXPECT_EQ(curve(1).lineFlag, 1);
    EXPECT_EQ(curve(1).markStyle, 0);
    EXPECT_EQ(curve(1).pointCount, 2);
    EXPECT_EQ(curve(1).y[1], 2.0);
    EXPECT_EQ(traces(), 2);
}

TEST_F(PlotTraces, OptionLettersLaterTestsWinning) {
    const struct {
        std::u16string_view options;
        int line;
        int mark;
        int colour;
    } rows[] = {
        {u"#t", 0, 3, 6},  {u"r", 0, 3, 1},   {u"-", 1, 0, 5},  {u"-o", 1, 2, 5},
        {u".x", 0, 4, 5},  {u"xo#.", 0, 4, 5}, {u"kr", 0, 3, 8}, {u"gwbpty", 0, 3, 7},
        {u"", 0, 3, 5},    {u"-#k", 1, 3, 8},
    };
    for (const auto& row : rows) {
        restartGraph();
        presetColour(5);
        const std::u16string line = u"plot({1,2},\"" + std::u16string(row.options) + u"\")";
        ASSERT_EQ(graph(line), kDrawn) << narrow(line);
        EXPECT_EQ(curve(0).lineFlag, row.line) << narrow(line);
        EXPECT_EQ(curve(0).markStyle, row.mark) << narrow(line);
        EXPECT_EQ(curve(0).colour, row.colour) << narrow(line);
    }
}

TEST_F(PlotTraces, DataNamedByAString) {
    setMatrix(u"d", 2, 2, {1, 5, 2, 7});
    ASSERT_EQ(graph(u"plot(\"d\")"), kDrawn);
    EXPECT_EQ(curve(0).pointCount, 2);
    EXPECT_EQ(curve(0).y[1], 7.0);
    // A name of no variable draws nothing: the block is left to the view.
    EXPECT_EQ(graph(u"plot(\"nosuch\")"), 0);
    EXPECT_EQ(traces(), 1);
}

TEST_F(PlotTraces, AFullTableTakesNoMoreTraces) {
    setMatrix(u"wide", 2, 4, {0, 1, 2, 3, 1, 2, 3, 4});
    for (int i = 0; i < KEYPAD_CURVE_COUNT - 2; ++i) record(i).pointCount = 1;
    // Eighteen in use: two of the three columns fit.
    for (int i = 0; i < KEYPAD_CURVE_COUNT - 2; ++i) ASSERT_EQ(graph(u"plot({1})"), kDrawn);
    ASSERT_EQ(graph(u"plot(wide)"), kDrawn);
    EXPECT_EQ(traces(), KEYPAD_CURVE_COUNT);
    EXPECT_EQ(graph(u"plot(wide)"), 0);
    EXPECT_EQ(graph(u"drawgraph()"), 0);
}

TEST_F(PlotTraces, PolarExpressionInDegreesIsACircleOf200Points) {
    runOk(u"t=7");
    ASSERT_EQ(graph(u"polarplot(\"2\")", kDegrees), kDrawn);
    const KeypadCurve& c = curve(0);
    ASSERT_EQ(c.pointCount, 200);
    EXPECT_EQ(c.lineFlag, 1);
    EXPECT_EQ(c.markStyle, 0);
    for (int i = 0; i < 200; ++i) {
        const double angle = 1.8 * i * std::numbers::pi / 180.0;
        EXPECT_NEAR(c.x[i], 2.0 * std::cos(angle), 1e-12) << i;
        EXPECT_NEAR(c.y[i], 2.0 * std::sin(angle), 1e-12) << i;
    }
    EXPECT_NEAR(c.firstX, -2.4, 1e-12);
    EXPECT_NEAR(c.lastX, 2.4, 1e-12);
    EXPECT_EQ(variable(u"t"), 7.0) << "t gets its value back";
}

TEST_F(PlotTraces, PolarExpressionFollowsT) {
    // r = t over a wide range: one point per default step, at most 500.
    ASSERT_EQ(graph(u"polarplot(\"t\",0,20)"), kDrawn);
    const KeypadCurve& wide = curve(0);
    ASSERT_EQ(wide.pointCount, 285);  // 20 / 0.07, truncated
    const double step = 20.0 / 285;
    EXPECT_NEAR(wide.x[100], 100 * step * std::cos(100 * step), 1e-12);
    EXPECT_NEAR(wide.y[100], 100 * step * std::sin(100 * step), 1e-12);

    ASSERT_EQ(graph(u"polarplot(\"1\",100,0,\"#\",\"big\")"), kDrawn);
    EXPECT_EQ(curve(1).pointCount, 500);
    EXPECT_EQ(curve(1).lineFlag, 0);
    EXPECT_EQ(curve(1).markStyle, 3);
    EXPECT_EQ(std::u16string(curve(1).label), u"big");

    // Narrow: 200 points over the range given, options and label.
    presetColour(4);
    ASSERT_EQ(graph(u"polarplot(\"3\",\"r\",\"three\")", kDegrees), kDrawn);
    EXPECT_EQ(curve(2).pointCount, 200);
    EXPECT_EQ(curve(2).colour, 1);
    EXPECT_EQ(std::u16string(curve(2).label), u"three");
    ASSERT_EQ(graph(u"polarplot(\"1\",0,1,\"g\")"), kDrawn);
    EXPECT_EQ(curve(3).pointCount, 200);
    EXPECT_EQ(curve(3).colour, 2);
    EXPECT_NEAR(curve(3).x[199], std::cos(0.995), 1e-12);
}

TEST_F(PlotTraces, PolarPointsWhereTheExpressionFailsAreGaps) {
    ASSERT_EQ(graph(u"polarplot(\"1/(t-t)\")"), kDrawn);
    EXPECT_EQ(curve(0).pointCount, 200);
    const double gap = KEYPAD_CURVE_GAP;
    EXPECT_EQ(std::memcmp(&curve(0).y[5], &gap, sizeof gap), 0);
    // A text that does not compile ends the block without a trace.
    EXPECT_EQ(graph(u"polarplot(\"(t\")"), kDrawn);
    EXPECT_EQ(traces(), 1);
}

TEST_F(PlotTraces, PolarPairRows) {
    setMatrix(u"pairs", 3, 2, {1, 0, 2, 90, 3, 180});
    ASSERT_EQ(graph(u"polarplot(pairs)", kDegrees), kDrawn);
    const KeypadCurve& c = curve(0);
    ASSERT_EQ(c.pointCount, 3);
    EXPECT_DOUBLE_EQ(c.x[0], 1.0);
    EXPECT_NEAR(c.x[1], 0.0, 1e-15);
    EXPECT_DOUBLE_EQ(c.y[1], 2.0);
    EXPECT_DOUBLE_EQ(c.x[2], -3.0);
    // A name of such a variable stands for its rows.
    ASSERT_EQ(graph(u"polarplot(\"pairs\")", kRadians), kDrawn);
    EXPECT_EQ(curve(1).pointCount, 3);
    EXPECT_DOUBLE_EQ(curve(1).x[1], 2.0 * std::cos(90.0));
}

TEST_F(PlotTraces, LabelAndTitle) {
    presetColour(2);
    ASSERT_EQ(graph(u"label(3,4,\"here\")"), kDrawn);
    const KeypadCurve& label = curve(0);
    EXPECT_EQ(label.markStyle, 10);
    EXPECT_EQ(label.lineFlag, 0);
    EXPECT_EQ(label.colour, 2);
    ASSERT_EQ(label.pointCount, 1);
    EXPECT_EQ(label.x[0], 3.0);
    EXPECT_EQ(label.y[0], 4.0);
    EXPECT_EQ(label.firstX, 2.5);
    EXPECT_EQ(label.lastX, 3.5);
    EXPECT_EQ(label.smallestY, 3.5);
    EXPECT_EQ(label.largestY, 4.5);
    EXPECT_EQ(std::u16string(label.label), u"here");

    // Only the colour letters count for a text.
    ASSERT_EQ(graph(u"title(0,0,\"top\",\"-#k\")"), kDrawn);
    EXPECT_EQ(curve(1).markStyle, 11);
    EXPECT_EQ(curve(1).lineFlag, 0);
    EXPECT_EQ(curve(1).colour, 8);
    // Bad parameters draw nothing and leave the answer to doOperation.
    EXPECT_EQ(graph(u"label(1,\"a\",\"b\")"), 0);
    EXPECT_EQ(traces(), 2);
}

TEST_F(PlotTraces, TextTracesGiveLargeArraysBack) {
    setMatrix(u"many", 30, 1, std::vector<double>(30, 1.0));
    ASSERT_EQ(graph(u"plot(many)"), kDrawn);
    ASSERT_EQ(curve(0).capacity, 30);
    restartGraph();
    ASSERT_EQ(graph(u"label(1,1,\"a\")"), kDrawn);
    EXPECT_EQ(curve(0).capacity, 1);
    ASSERT_EQ(graph(u"plot({1,2,3})"), kDrawn);
    ASSERT_EQ(curve(1).capacity, 3);
    restartGraph();
    ASSERT_EQ(graph(u"title(1,1,\"a\")"), kDrawn);
    EXPECT_EQ(curve(0).capacity, 1);
}

}  // namespace
}  // namespace graphing_testing
