// The mapping: Set range with its fallbacks, the square aspect and the grid
// spacings.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/workspace_settings.h"
#include "shell/graph_grid.h"
#include "shell/graph_mapping.h"

namespace shell {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

void expectRange(const GraphRange& r, double x0, double x1, double y0, double y1) {
    EXPECT_NEAR(r.xMin, x0, 1e-9 * (1 + std::fabs(x0)));
    EXPECT_NEAR(r.xMax, x1, 1e-9 * (1 + std::fabs(x1)));
    EXPECT_NEAR(r.yMin, y0, 1e-9 * (1 + std::fabs(y0)));
    EXPECT_NEAR(r.yMax, y1, 1e-9 * (1 + std::fabs(y1)));
}

TEST(GraphMapping, SetRangeUsesTheFormulaForAGoodRange) {
    engine::WorkspaceSettings s;
    setRange(s, GraphRange{-2.0, 6.0, -1.0, 3.0}, 266);
    EXPECT_DOUBLE_EQ(s.sx, 240.0 / 8.0);
    EXPECT_DOUBLE_EQ(s.cx, 60.0);
    EXPECT_DOUBLE_EQ(s.sy, 266.0 / -4.0);
    EXPECT_DOUBLE_EQ(s.cy, -(266.0 / -4.0) * 3.0);
    expectRange(visibleRange(mappingOf(s), 266), -2.0, 6.0, -1.0, 3.0);
}

TEST(GraphMapping, SetRangeFallsBackToTheDefaultsPerAxis) {
    struct Row {
        const char* name;
        GraphRange given;
        GraphRange expected;
    };
    const Row rows[] = {
        {"ymax below ymin", {0, 1, 5, 2}, {0, 1, -10, 10}},
        {"ymax equal ymin", {0, 1, 3, 3}, {0, 1, -10, 10}},
        {"xmax below xmin", {4, -4, 0, 1}, {-18, 18, 0, 1}},
        {"xmax equal xmin", {2, 2, 0, 1}, {-18, 18, 0, 1}},
        {"both reversed", {1, 0, 1, 0}, {-18, 18, -10, 10}},
        {"NaN limits", {kNaN, 1, 0, kNaN}, {-18, 18, -10, 10}},
        {"infinite limits", {-kInf, kInf, 0, kInf}, {-18, 18, -10, 10}},
        {"span overflows", {-1e308, 1e308, -1e308, 1e308}, {-18, 18, -10, 10}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        engine::WorkspaceSettings s;
        setRange(s, row.given, 266);
        EXPECT_TRUE(isUsable(mappingOf(s)));
        const GraphRange& e = row.expected;
        expectRange(visibleRange(mappingOf(s), 266), e.xMin, e.xMax, e.yMin, e.yMax);
    }
}

TEST(GraphMapping, FallbacksComeFromTheStoredDefaultsWhenTheyAreUsable) {
    engine::WorkspaceSettings s;
    s.defaultXMin = 0;
    s.defaultXMax = 4;
    s.defaultYMin = -1;
    s.defaultYMax = 1;
    setRange(s, GraphRange{1, 1, 1, 1}, 200);
    expectRange(visibleRange(mappingOf(s), 200), 0, 4, -1, 1);

    // A reversed or broken default falls back to the start-up default.
    s.defaultXMin = 5;
    s.defaultYMax = kNaN;
    expectRange(defaultRange(s), -18, 18, -10, 10);
}

TEST(GraphMapping, UsableMappingsAreFiniteWithRowsGrowingDownward) {
    EXPECT_TRUE(isUsable(GraphMapping{1, 0, -1, 0}));
    EXPECT_FALSE(isUsable(GraphMapping{0, 0, -1, 0}));
    EXPECT_FALSE(isUsable(GraphMapping{1, 0, 1, 0}));
    EXPECT_FALSE(isUsable(GraphMapping{1, kNaN, -1, 0}));
    EXPECT_FALSE(isUsable(GraphMapping{kInf, 0, -1, 0}));
}

TEST(GraphMapping, SquareAspectKeepsTheEarlierViewInside) {
    struct Row {
        const char* name;
        GraphRange before;
    };
    const Row rows[] = {
        {"y squeezed: the y range grows", {-1, 1, -50, 50}},
        {"x squeezed: the x range grows", {-100, 100, -1, 1}},
        {"default range", {-18, 18, -10, 10}},
        {"off-centre", {10, 11, 200, 900}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        engine::WorkspaceSettings s;
        setRange(s, row.before, 266);
        const GraphRange before = visibleRange(mappingOf(s), 266);
        applySquareAspect(s, 266);
        const GraphRange after = visibleRange(mappingOf(s), 266);
        EXPECT_NEAR(s.sx, -s.sy, 1e-9 * s.sx);
        const double slack =
            1e-9 * (std::fabs(before.xMax - before.xMin) + std::fabs(before.yMax - before.yMin));
        EXPECT_LE(after.xMin, before.xMin + slack);
        EXPECT_GE(after.xMax, before.xMax - slack);
        EXPECT_LE(after.yMin, before.yMin + slack);
        EXPECT_GE(after.yMax, before.yMax - slack);
        // The centre of the plot shows the same value as before.
        EXPECT_NEAR((after.xMin + after.xMax) / 2, (before.xMin + before.xMax) / 2, slack + 1e-12);
        EXPECT_NEAR((after.yMin + after.yMax) / 2, (before.yMin + before.yMax) / 2, slack + 1e-12);
    }
}

TEST(GraphGrid, AutomaticSpacingIsThePowerOfFiveNearestBelow35Pixels) {
    struct Row {
        double pixelsPerUnit;
        double spacing;
    };
    const Row rows[] = {{240.0 / 36.0, 5.0}, {35.0, 1.0},  {34.0, 1.0},          {36.0, 0.2},
                        {6.9, 5.0},          {1.39, 25.0}, {240.0 / 1e6, 78125}, {1e6, 1.28e-5}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pixelsPerUnit);
        EXPECT_NEAR(automaticGridSpacing(row.pixelsPerUnit), row.spacing, 1e-9 * row.spacing);
        EXPECT_LE(automaticGridSpacing(row.pixelsPerUnit) * row.pixelsPerUnit, 35.0 * 1.0001);
    }
}

TEST(GraphGrid, SpacingsInUseFollowTheSettings) {
    engine::WorkspaceSettings s;
    s.gridX = 0;
    EXPECT_FALSE(gridSpacingsInUse(s).active);
    s.gridX = -1;
    GridSpacings auto_ = gridSpacingsInUse(s);
    EXPECT_TRUE(auto_.active);
    EXPECT_DOUBLE_EQ(auto_.x, automaticGridSpacing(s.sx));
    EXPECT_DOUBLE_EQ(auto_.y, automaticGridSpacing(-s.sy));
    s.gridX = 2;
    s.gridY = 3;
    GridSpacings fixed = gridSpacingsInUse(s);
    EXPECT_DOUBLE_EQ(fixed.x, 2);
    EXPECT_DOUBLE_EQ(fixed.y, 3);
}

TEST(GraphGrid, LinesStartAtMultiplesAndNeedMoreThanFourPixels) {
    engine::WorkspaceSettings s;  // -18..18, -10..10 on 240 x 266
    const GraphMapping m = mappingOf(s);
    GridLines lines = gridLines(m, 266, GridSpacings{true, 5, 5});
    // x = -15, -10, ..., 15: seven columns; y = 10, 5, ..., -10: five rows.
    ASSERT_EQ(lines.columns.size(), 8u);  // floor(-18/5)*5 = -20 starts it
    EXPECT_EQ(lines.columns[1], int(m.sx * -15 + m.cx));
    ASSERT_EQ(lines.rows.size(), 5u);
    EXPECT_EQ(lines.rows.front(), 0);
    EXPECT_EQ(lines.rows.back(), int(m.sy * -10 + m.cy));

    // Spacings of 4 pixels or less draw nothing.
    lines = gridLines(m, 266, GridSpacings{true, 0.5, 4.0 / 13.3});
    EXPECT_TRUE(lines.columns.empty());
    EXPECT_TRUE(lines.rows.empty());

    // Huge values next to a small spacing cannot loop forever.
    engine::WorkspaceSettings far;
    setRange(far, GraphRange{1e20, 1e20 + 240, 1e20, 1e20 + 266}, 266);
    lines = gridLines(mappingOf(far), 266, GridSpacings{true, 5, 5});
    EXPECT_LE(lines.columns.size(), 200u);
    EXPECT_LE(lines.rows.size(), 200u);
}

}  // namespace
}  // namespace shell
