// The pen path: points recorded by moveto and lineto in normal evaluation,
// emptied by cleargraph, and drawn as one trace by drawgraph.
#include <cmath>

#include "graphing_test_support.h"

namespace graphing_testing {
namespace {

using PenPath = GraphingTest;

TEST_F(PenPath, PointsAnswerTheirCountAndDrawAsOneTrace) {
    EXPECT_EQ(run(u"moveto(0,0)").re(), 1.0);
    EXPECT_EQ(run(u"lineto(1,1)").re(), 2.0);
    ASSERT_EQ(graph(u"drawgraph()"), kDrawn);
    ASSERT_EQ(traces(), 1);
    const KeypadCurve& c = curve(0);
    EXPECT_EQ(c.pointCount, 2);
    EXPECT_EQ(c.pointsAtSamples, 0);
    EXPECT_EQ(c.lineFlag, 1);
    EXPECT_EQ(c.markStyle, 0);
    EXPECT_EQ(c.colour, 1);
    EXPECT_EQ(c.penUp[0], 0) << "no line leads to the first point";
    EXPECT_EQ(c.penUp[1], 1);
    EXPECT_EQ(c.x[1], 1.0);
    EXPECT_EQ(c.y[1], 1.0);
    // Ranges widened by a tenth of the span at both ends.
    EXPECT_DOUBLE_EQ(c.firstX, -0.1);
    EXPECT_DOUBLE_EQ(c.lastX, 1.1);
    EXPECT_DOUBLE_EQ(c.smallestY, -0.1);
    EXPECT_DOUBLE_EQ(c.largestY, 1.1);
    // Drawing leaves the path as it was.
    EXPECT_EQ(run(u"lineto(3,-1)").re(), 3.0);
}

TEST_F(PenPath, CleargraphEmptiesThePathAndAnswersZero) {
    runOk(u"moveto(5,5)");
    const Outcome cleared = run(u"cleargraph()");
    EXPECT_EQ(cleared.status, 0);
    EXPECT_EQ(cleared.value->kind, LATTIX_KIND_SCALAR);
    EXPECT_EQ(cleared.re(), 0.0);
    EXPECT_EQ(run(u"lineto(2,3)").re(), 1.0);
    // An empty path still gives a trace, with the sentinel ranges.
    runOk(u"cleargraph()");
    ASSERT_EQ(graph(u"drawgraph()"), kDrawn);
    EXPECT_EQ(curve(0).pointCount, 0);
    EXPECT_GT(curve(0).firstX, 1e300);
    EXPECT_LT(curve(0).lastX, -1e300);
}

TEST_F(PenPath, ManyPointsGrowThePathAndCleargraphShrinksIt) {
    for (int i = 1; i <= 10000; ++i) {
        const std::u16string line = u"lineto(" + std::u16string(1, u'0' + char16_t(i % 10)) + u",2)";
        const Outcome o = run(line);
        ASSERT_EQ(o.status, 0) << i;
        ASSERT_EQ(o.re(), double(i));
    }
    ASSERT_EQ(graph(u"drawgraph()"), kDrawn);
    ASSERT_EQ(curve(0).pointCount, 10000);
    EXPECT_GE(curve(0).capacity, 10000);
    for (int i = 0; i < 10000; ++i) {
        ASSERT_EQ(curve(0).x[i], double((i + 1) % 10)) << i;
        ASSERT_EQ(curve(0).penUp[i], 1) << i;
    }
    EXPECT_EQ(run(u"cleargraph()").re(), 0.0);
    EXPECT_EQ(run(u"moveto(1,1)").re(), 1.0);
    EXPECT_EQ(run(u"lineto(2,2)").re(), 2.0);
    restartGraph();
    ASSERT_EQ(graph(u"drawgraph()"), kDrawn);
    EXPECT_EQ(curve(0).pointCount, 2);
    EXPECT_EQ(curve(0).capacity, 10000) << "a large enough trace keeps its arrays";
}

TEST_F(PenPath, APathHoldsNoMorePointsThanATraceCanCarry) {
    for (int i = 1; i <= 32767; ++i) ASSERT_EQ(run(u"lineto(1,2)").re(), double(i));
    EXPECT_EQ(run(u"lineto(1,2)").status, routed(56));
    EXPECT_EQ(run(u"moveto(1,2)").status, routed(56));
    ASSERT_EQ(graph(u"drawgraph()"), kDrawn);
    EXPECT_EQ(curve(0).pointCount, 32767);
    EXPECT_EQ(run(u"cleargraph()").re(), 0.0);
    EXPECT_EQ(run(u"moveto(1,2)").re(), 1.0);
}

TEST_F(PenPath, ParameterChecks) {
    EXPECT_EQ(run(u"moveto(\"a\",1)").status, routed(14));
    EXPECT_EQ(run(u"lineto(1,\"b\")").status, routed(14));
    // The parser counts fixed parameters.
    EXPECT_EQ(run(u"moveto(1)").status, 6);
    EXPECT_EQ(run(u"lineto(1,2,3)").status, 6);
    // Refused points are not recorded; a matrix gives its first element.
    EXPECT_EQ(run(u"moveto({4,5},{6,7})").re(), 1.0);
    ASSERT_EQ(graph(u"drawgraph()"), kDrawn);
    EXPECT_EQ(curve(0).x[0], 4.0);
    EXPECT_EQ(curve(0).y[0], 6.0);
}

TEST_F(PenPath, DrawgraphOptionsAndLabel) {
    runOk(u"moveto(0,0)");
    runOk(u"lineto(2,4)");
    ASSERT_EQ(graph(u"drawgraph(\"#t\")"), kDrawn);
    EXPECT_EQ(curve(0).lineFlag, 0);
    EXPECT_EQ(curve(0).markStyle, 3);
    EXPECT_EQ(curve(0).colour, 6);
    EXPECT_EQ(curve(0).label[0], 0);

    // "r" alone only changes the colour: the line stays on, no marks.
    const std::u16string longLabel(70, u'L');
    presetColour(5);
    ASSERT_EQ(graph(u"drawgraph(\"r\",\"" + longLabel + u"\")"), kDrawn);
    EXPECT_EQ(curve(1).lineFlag, 1);
    EXPECT_EQ(curve(1).markStyle, 0);
    EXPECT_EQ(curve(1).colour, 1);
    EXPECT_EQ(std::u16string(curve(1).label), longLabel.substr(0, 59));

    // Normal evaluation: the count 0 stays, a first parameter becomes 0.
    EXPECT_EQ(run(u"drawgraph()").re(), 0.0);
    const Outcome withOptions = run(u"drawgraph(\"-x\",\"path\")");
    EXPECT_EQ(withOptions.status, 0);
    EXPECT_EQ(withOptions.value->kind, LATTIX_KIND_SCALAR);
    EXPECT_EQ(withOptions.re(), 0.0);
}

}  // namespace
}  // namespace graphing_testing
