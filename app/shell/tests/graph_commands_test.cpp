// The range commands and the keys of the graph view.
#include <cmath>

#include "graph_test_support.h"

namespace shell::testing {
namespace {

using GraphCommands = GraphTest;

constexpr double kTight = 1e-9;

TEST_F(GraphCommands, ZoomInWithTraceOffHalvesBothRangesAboutTheCentre) {
    struct Row {
        GraphRange range;
    };
    const Row rows[] = {{{-18, 18, -10, 10}}, {{2, 10, -3, 1}}, {{-1e-4, 3e-4, 100, 101}}};
    for (const Row& row : rows) {
        model().setRange(row.range);
        const GraphRange before = model().visible();
        model().command(GraphCommand::ZoomIn);
        const GraphRange after = model().visible();
        const double w = before.xMax - before.xMin;
        const double h = before.yMax - before.yMin;
        EXPECT_NEAR(after.xMax - after.xMin, w / 2, kTight * w);
        EXPECT_NEAR(after.xMin + after.xMax, before.xMin + before.xMax, kTight * w);
        // Rows 67..199 of 266: the centre row stays, the height is 132 rows.
        EXPECT_NEAR(after.yMax - after.yMin, h * 132 / 266, kTight * h);
        EXPECT_NEAR(after.yMin + after.yMax, before.yMin + before.yMax, kTight * h);
        // The earlier mapping is the undo mapping.
        EXPECT_DOUBLE_EQ(visibleRange(model().undoMapping(), 266).xMin, before.xMin);
    }
}

TEST_F(GraphCommands, ZoomOutDoublesAboutTheCursor) {
    model().setRange(GraphRange{0, 24, 0, 26.6});  // 10 pixels per unit
    model().setTrace(true);
    model().setCursor(30, 200);
    const double cx = model().cursorX();
    const double cy = model().cursorY();
    model().command(GraphCommand::ZoomOut);
    const GraphRange after = model().visible();
    EXPECT_NEAR(after.xMax - after.xMin, 48, kTight);
    EXPECT_NEAR(after.yMax - after.yMin, 53.2, kTight);
    EXPECT_NEAR((after.xMin + after.xMax) / 2, cx, kTight);
    EXPECT_NEAR((after.yMin + after.yMax) / 2, cy, kTight);

    model().setRange(GraphRange{0, 24, 0, 26.6});
    model().command(GraphCommand::ZoomOut4x);
    EXPECT_NEAR(model().visible().xMax - model().visible().xMin, 96, kTight);
}

TEST_F(GraphCommands, ZoomInWithTraceOnCentresOnTheCursorAndKeepsItsValue) {
    model().setTrace(true);
    model().setCursor(200, 40);
    const double x = model().cursorX();
    const double y = model().cursorY();
    model().command(GraphCommand::ZoomIn);
    const GraphRange v = model().visible();
    EXPECT_NEAR((v.xMin + v.xMax) / 2, x, kTight);
    EXPECT_NEAR(v.xMax - v.xMin, 18, kTight);
    EXPECT_EQ(model().cursorColumn(), 120);
    EXPECT_EQ(model().cursorRow(), 133);
    EXPECT_NEAR(model().cursorX(), x, 0.5 / model().mapping().sx);
    EXPECT_NEAR(model().cursorY(), y, 0.5 / -model().mapping().sy);
}

TEST_F(GraphCommands, MovingThePlotAndBackReturnsItToWhereItWas) {
    struct Row {
        GraphKey there;
        GraphKey back;
    };
    const Row rows[] = {{GraphKey::D2, GraphKey::D8},
                        {GraphKey::D8, GraphKey::D2},
                        {GraphKey::D4, GraphKey::D6},
                        {GraphKey::D6, GraphKey::D4}};
    enter(u"x*x");
    model().setRange(GraphRange{-3.3, 7.1, -0.7, 2.9});
    model().sample();
    for (const Row& row : rows) {
        const GraphMapping before = model().mapping();
        const std::vector<double> samples(model().samples().xValues(),
                                          model().samples().xValues() + 240);
        model().key(row.there);
        EXPECT_NE(model().mapping(), before);
        model().key(row.back);
        const GraphMapping after = model().mapping();
        EXPECT_NEAR(after.cx, before.cx, 1e-12);
        EXPECT_NEAR(after.cy, before.cy, 1e-12);
        EXPECT_EQ(after.sx, before.sx);
        EXPECT_EQ(after.sy, before.sy);
        for (int i = 0; i < 240; ++i) ASSERT_NEAR(model().samples().x(i), samples[i], 1e-12);
    }
    // 2 moves the plot down: the value at the top row grows.
    const double top = model().visible().yMax;
    model().key(GraphKey::D2);
    EXPECT_NEAR(model().visible().yMax, top + 60 / -model().mapping().sy, 1e-12);
    // 4 moves the plot right and samples again for the new x range.
    const double firstX = model().samples().x(0);
    model().key(GraphKey::D4);
    EXPECT_NEAR(model().samples().x(0), firstX - 60 / model().mapping().sx, 1e-12);
    EXPECT_DOUBLE_EQ(model().curves()[0].y[0], model().samples().x(0) * model().samples().x(0));
}

TEST_F(GraphCommands, AutoscaleTakesTheDataExtents) {
    enter(u"x/4+100");
    model().setRange(GraphRange{0, 24, -1, 1});
    model().sample();
    const GraphRange extents = model().dataExtents();
    model().command(GraphCommand::Autoscale);
    const GraphRange v = model().visible();
    EXPECT_NEAR(v.xMin, extents.xMin, kTight);
    EXPECT_NEAR(v.xMax, extents.xMax, kTight);
    EXPECT_NEAR(v.yMin, extents.yMin, kTight);
    EXPECT_NEAR(v.yMax, extents.yMax, kTight);
    // The x range changed, so the curve was sampled again for it.
    EXPECT_NEAR(model().samples().x(0), v.xMin, kTight);
    EXPECT_DOUBLE_EQ(model().curves()[0].y[5], model().samples().x(5) / 4 + 100);
}

TEST_F(GraphCommands, ScaleYFitsTheVisiblePointsWithFivePercentMargins) {
    // Nothing happens without curves.
    const GraphMapping start = model().mapping();
    model().command(GraphCommand::ScaleY);
    EXPECT_EQ(model().mapping(), start);

    enter(u"x*x");
    enter(u"x)", 2);  // gaps only
    model().setRange(GraphRange{-2, 4, -100, 100});
    model().sample();
    const double lo = 0.0;  // x = 0 is a column
    const double hi = model().samples().x(239) * model().samples().x(239);
    model().command(GraphCommand::ScaleY);
    const GraphRange v = model().visible();
    EXPECT_NEAR(v.xMin, -2, kTight);
    EXPECT_NEAR(v.xMax, 4, kTight);
    EXPECT_NEAR(v.yMin, lo - 0.05 * (hi - lo), kTight);
    EXPECT_NEAR(v.yMax, hi + 0.05 * (hi - lo), kTight);
    EXPECT_NEAR(visibleRange(model().undoMapping(), 266).yMin, -100, kTight);

    // With no plotted point at all the default y range is used.
    blocks_->block(0).setFlags(0);
    model().sample();
    model().command(GraphCommand::ScaleY);
    EXPECT_NEAR(model().visible().yMin, -10, kTight);
    EXPECT_NEAR(model().visible().yMax, 10, kTight);
}

TEST_F(GraphCommands, UndoScalingExchangesTheMappings) {
    model().setRange(GraphRange{0, 1, 0, 1});
    const GraphMapping first = model().mapping();
    model().command(GraphCommand::ZoomIn);
    const GraphMapping zoomed = model().mapping();
    model().command(GraphCommand::UndoScaling);
    EXPECT_EQ(model().mapping(), first);
    model().command(GraphCommand::UndoScaling);
    EXPECT_EQ(model().mapping(), zoomed);
}

TEST_F(GraphCommands, DefaultAxesAndTheAutoscaleSetting) {
    settings().defaultXMin = -1;
    settings().defaultXMax = 1;
    model().setRange(GraphRange{5, 6, 5, 6});
    model().key(GraphKey::D9);
    EXPECT_NEAR(model().visible().xMin, -1, kTight);
    EXPECT_NEAR(model().visible().yMax, 10, kTight);

    // With autoscale on, showing the graph and the (A) commands fit the data.
    enter(u"3*x");
    settings().autoscale = 1;
    model().recompute();
    const GraphRange e = model().dataExtents();
    EXPECT_NEAR(model().visible().yMin, e.yMin, kTight);
    EXPECT_NEAR(model().visible().yMax, e.yMax, kTight);
    const GraphRange before = model().dataExtents();
    model().command(GraphCommand::DefaultAxes);
    EXPECT_NEAR(model().visible().yMax, before.yMax, kTight);
}

TEST_F(GraphCommands, SquareAspectFollowsEveryRangeCommand) {
    settings().squareAspect = 1;
    model().recompute();
    EXPECT_NEAR(model().mapping().sx, -model().mapping().sy, 1e-9);
    for (GraphCommand c : {GraphCommand::ZoomIn, GraphCommand::ZoomOut, GraphCommand::DefaultAxes,
                           GraphCommand::UndoScaling}) {
        const GraphRange before = model().visible();
        model().command(c);
        EXPECT_NEAR(model().mapping().sx, -model().mapping().sy, 1e-9 * model().mapping().sx);
        if (c == GraphCommand::DefaultAxes) {
            // The default range lies inside the squared one.
            EXPECT_LE(model().visible().xMin, -18 + 1e-9);
            EXPECT_GE(model().visible().xMax, 18 - 1e-9);
            EXPECT_LE(model().visible().yMin, -10 + 1e-9);
            EXPECT_GE(model().visible().yMax, 10 - 1e-9);
        }
        (void)before;
    }
}

TEST_F(GraphCommands, ArrowsTraceAndEnterToggles) {
    EXPECT_FALSE(model().traceOn());
    EXPECT_EQ(model().cursorColumn(), 120);
    EXPECT_EQ(model().cursorRow(), 133);
    model().key(GraphKey::Left);
    EXPECT_TRUE(model().traceOn());
    EXPECT_EQ(model().cursorColumn(), 119);
    model().key(GraphKey::Down);
    EXPECT_EQ(model().cursorRow(), 134);
    model().key(GraphKey::Enter);
    EXPECT_FALSE(model().traceOn());
    model().key(GraphKey::Enter);
    EXPECT_TRUE(model().traceOn());
    EXPECT_EQ(model().cursorColumn(), 120);
    EXPECT_EQ(model().cursorRow(), 133);
    // The cursor stays on the plot.
    for (int i = 0; i < 300; ++i) model().key(GraphKey::Right);
    EXPECT_EQ(model().cursorColumn(), 239);
    for (int i = 0; i < 300; ++i) model().key(GraphKey::Up);
    EXPECT_EQ(model().cursorRow(), 0);
    EXPECT_EQ(model().key(GraphKey::D0), GraphKeyAction::OpenGridDialog);
}

TEST_F(GraphCommands, AnUnusableStoredMappingIsReplacedByTheDefaultRange) {
    settings().sx = 0;
    settings().sy = std::nan("");
    GraphModel fresh(*blocks_, settings());
    EXPECT_TRUE(isUsable(fresh.mapping()));
    EXPECT_NEAR(fresh.visible().xMin, -18, kTight);
}

}  // namespace
}  // namespace shell::testing

namespace shell::testing {
namespace {

TEST_F(GraphTest, DragMovesThePlotAndUndoScalingTakesItBack) {
    enter(u"x*x");
    model().recompute();
    const GraphMapping start = model().mapping();
    model().beginDrag();
    model().dragBy(10, -4);
    model().dragBy(15, 0);
    EXPECT_EQ(model().mapping().cx, start.cx + 25);
    EXPECT_EQ(model().mapping().cy, start.cy - 4);
    // The samples follow the new x range.
    EXPECT_DOUBLE_EQ(model().samples().x(0), model().mapping().xAt(0));
    model().command(GraphCommand::UndoScaling);
    EXPECT_EQ(model().mapping(), start);
}

TEST_F(GraphTest, WheelZoomKeepsTheValueUnderThePointer) {
    struct Row {
        int column, row;
        double factor;
    };
    for (const Row& r : {Row{30, 200, 2.0}, Row{120, 133, 0.5}, Row{239, 0, 1.25}}) {
        model().setRangeFromDefaults();
        const GraphMapping before = model().mapping();
        const double x = before.xAt(r.column), y = before.yAt(r.row);
        model().zoomAbout(r.column, r.row, r.factor);
        const GraphMapping after = model().mapping();
        EXPECT_NEAR(after.xAt(r.column), x, 1e-9) << r.column;
        EXPECT_NEAR(after.yAt(r.row), y, 1e-9) << r.row;
        EXPECT_NEAR(after.sx, before.sx * r.factor, 1e-9 * after.sx);
        model().command(GraphCommand::UndoScaling);
        EXPECT_EQ(model().mapping(), before);
    }
    const GraphMapping kept = model().mapping();
    model().zoomAbout(10, 10, 0.0);
    model().zoomAbout(10, 10, std::nan(""));
    EXPECT_EQ(model().mapping(), kept);
}

}  // namespace
}  // namespace shell::testing
