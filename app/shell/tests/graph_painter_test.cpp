// The graph view as painted: curves on their rows, axes, range limits,
// grids, the "imag data ignored" note, library curves with pen bytes, marks,
// labels and captions, and the trace cross with its readout.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

#include "graph_test_support.h"
#include "scripted_backend.h"
#include "shell/block_view.h"
#include "shell/graph_curve_drawing.h"
#include "shell/graph_grid.h"
#include "shell/graph_painter.h"
#include "surface_snapshot.h"

namespace shell {
namespace {

constexpr PlatformColour kRed = PLATFORM_RGB(255, 0, 0);
constexpr PlatformColour kBlue = PLATFORM_RGB(0, 0, 255);
constexpr PlatformColour kBlack = PLATFORM_RGB(0, 0, 0);
constexpr PlatformColour kWhite = PLATFORM_RGB(255, 255, 255);

using Pixels = std::set<std::pair<int, int>>;

class GraphPainterTest : public testing::GraphTest {
  protected:
    void SetUp() override {
        GraphTest::SetUp();
        surface = platformCreateSurface(kGraphWidth, kGraphHeight);
    }
    void TearDown() override {
        platformDestroySurface(surface);
        GraphTest::TearDown();
    }
    void paint() { painter.paint(model(), surface, 0x0005, false); }
    // A fresh block list whose one graphed block draws `curve` through the
    // fake library, sampled and painted.
    void paintDrawn(const testing::DrawnCurve& curve) {
        blocks_ = std::make_unique<engine::BlockList>();
        model_ = std::make_unique<GraphModel>(*blocks_, settings());
        testing::setDrawnCurve(curve);
        enter(u"drawn", 1);
        model().recompute();
        model().setRangeFromDefaults();
        paint();
    }
    Pixels pixelsOf(PlatformColour colour, int left = 0, int top = 0, int right = kGraphWidth,
                    int bottom = kGraphHeight) const {
        Pixels found;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (platformSurfacePixel(surface, x, y) == colour) found.insert({x, y});
        return found;
    }
    int rowOf(double y) { return pixelOf(model().mapping().rowOf(y)); }
    int columnOf(double x) { return pixelOf(model().mapping().columnOf(x)); }

    GraphPainter painter;
    PlatformSurface* surface = nullptr;
};

TEST_F(GraphPainterTest, SineDrawsRedOnItsRowsOnly) {
    testing::installFakeLibrary();  // sin and sqrt
    enter(u"sin(x)", 1);
    model().recompute();
    paint();
    testing::snapshot(surface, "graph_sine");
    const SampleBuffer& s = model().samples();
    for (int c = 1; c + 1 < kGraphWidth; ++c) {
        const int here = rowOf(std::sin(s.x(c)));
        int lo = here, hi = here;
        for (int n : {c - 1, c + 1}) {
            lo = std::min(lo, rowOf(std::sin(s.x(n))));
            hi = std::max(hi, rowOf(std::sin(s.x(n))));
        }
        EXPECT_FALSE(pixelsOf(kRed, c, here - 1, c + 1, here + 2).empty()) << "column " << c;
        for (const auto& [x, y] : pixelsOf(kRed, c, 0, c + 1, kGraphHeight))
            EXPECT_TRUE(y >= lo - 1 && y <= hi + 1) << "column " << x << " row " << y;
    }
}

TEST_F(GraphPainterTest, AxesLieAtTheOriginRowAndColumn) {
    settings().gridX = 0.0;
    GraphRange r{-3.0, 9.0, -2.0, 5.0};
    model().setRange(r);
    model().recompute();
    paint();
    const GraphMapping m = model().mapping();
    for (int x = 0; x < kGraphWidth; ++x)
        EXPECT_EQ(platformSurfacePixel(surface, x, int(m.cy)), kBlack) << "column " << x;
    for (int y = 0; y < kGraphHeight; ++y)
        EXPECT_EQ(platformSurfacePixel(surface, int(m.cx), y), kBlack) << "row " << y;
    // Nothing but the axes, the limits and the bottom line is black.
    const Pixels black = pixelsOf(kBlack);
    for (const auto& [x, y] : black) {
        const bool axis = x == int(m.cx) || y == int(m.cy) || y == kGraphHeight - 1;
        const bool limit = (y >= 2 && y < 18 && x >= 105) ||
                           (y >= kGraphHeight - 18 && y < kGraphHeight - 2 && x >= 105) ||
                           (y >= 136 && y < 152);
        EXPECT_TRUE(axis || limit) << x << "," << y;
    }
}

TEST_F(GraphPainterTest, ZoomInAndMovesRepaintConsistently) {
    enter(u"x*x/4-3", 1);
    model().recompute();
    paint();
    const Pixels before = pixelsOf(kRed);

    model().key(GraphKey::D2);
    paint();
    EXPECT_NE(pixelsOf(kRed), before);
    model().key(GraphKey::D8);
    paint();
    EXPECT_EQ(pixelsOf(kRed), before);

    const GraphRange wide = model().visible();
    model().command(GraphCommand::ZoomIn);
    paint();
    const GraphRange narrow = model().visible();
    EXPECT_NEAR(narrow.xMax - narrow.xMin, (wide.xMax - wide.xMin) / 2, 1e-9);
    // The rows are halved in integer quarters of the height.
    const int h = kGraphHeight;
    EXPECT_NEAR(narrow.yMax - narrow.yMin, (wide.yMax - wide.yMin) * (2 * (h / 4)) / h, 1e-9);
    EXPECT_EQ(platformSurfacePixel(surface, 120, rowOf(model().samples().x(120) *
                                                           model().samples().x(120) / 4 - 3)),
              kRed);
}

TEST_F(GraphPainterTest, SyntaxErrorDrawsNothing) {
    orvana::testing::ScriptedBackend backend;
    testing::installFakeLibrary();  // sin and sqrt
    enter(u"sin(", 1);
    model().recompute();
    paint();
    EXPECT_TRUE(pixelsOf(kRed).empty());
    EXPECT_TRUE(pixelsOf(kGraphGreyText).empty());
    EXPECT_TRUE(backend.messageBoxes().empty());
}

TEST_F(GraphPainterTest, ImaginaryValuesAreNoted) {
    testing::installFakeLibrary();  // sin and sqrt
    for (const auto& [text, noted] : {std::pair{u"sqrt(x)", true}, std::pair{u"x", false}}) {
        blocks_ = std::make_unique<engine::BlockList>();
        model_ = std::make_unique<GraphModel>(*blocks_, settings());
        settings().gridX = 0.0;
        enter(text, 2);
        model().recompute();
        paint();
        const bool grey = !pixelsOf(kGraphGreyText, 0, kGraphHeight - 36, 120, kGraphHeight - 20)
                               .empty();
        EXPECT_EQ(grey, noted) << std::string(text, text + std::char_traits<char16_t>::length(text));
        EXPECT_EQ(model().imagDataIgnored(), noted);
    }
}

TEST_F(GraphPainterTest, AutomaticGridShowsItsSpacings) {
    settings().gridX = kAutomaticGrid;
    model().setRangeFromDefaults();
    model().recompute();
    paint();
    // -18..18 over 240 columns: 5 per line; -10..10 over 266 rows: 1.
    PlatformSurface* expected = platformCreateSurface(kGraphWidth, kGraphHeight);
    const PlatformFont font = labelFont();
    platformDrawText(expected, 2, kGraphHeight - 18, u"X-Grid=5", &font, kGraphGreyText);
    int32_t width = 0, height = 0;
    platformMeasureText(u"Y-Grid=1", &font, &width, &height);
    platformDrawText(expected, 237 - width, kGraphHeight - 18, u"Y-Grid=1", &font, kGraphGreyText);
    Pixels want;
    for (int y = kGraphHeight - 18; y < kGraphHeight; ++y)
        for (int x = 0; x < kGraphWidth; ++x)
            if (platformSurfacePixel(expected, x, y) == kGraphGreyText) want.insert({x, y});
    platformDestroySurface(expected);
    EXPECT_EQ(pixelsOf(kGraphGreyText, 0, kGraphHeight - 18, kGraphWidth, kGraphHeight), want);
    // Vertical grid lines every 5 units.
    EXPECT_EQ(platformSurfacePixel(surface, columnOf(5.0), 60), kGridPen);
    EXPECT_EQ(platformSurfacePixel(surface, columnOf(2.5), 60), kWhite);
}

TEST_F(GraphPainterTest, LibraryCurveHonoursPenBytesAndMarks) {
    testing::installFakeLibrary();
    testing::DrawnCurve curve;
    curve.x = {-10.0, -2.0, 4.0, 10.0};
    curve.y = {-5.0, -5.0, 5.0, 5.0};
    curve.pen = {0, 1, 0, 1};  // two separate segments
    curve.mark = kMarkSquare;
    curve.colour = 4;
    testing::setDrawnCurve(curve);
    enter(u"drawn", 1);
    model().recompute();
    paint();
    testing::snapshot(surface, "graph_library_curve");
    const int y0 = rowOf(-5.0), y1 = rowOf(5.0);
    // The drawn segments and the square around each point.
    EXPECT_EQ(platformSurfacePixel(surface, columnOf(-6.0), y0), kBlue);
    EXPECT_EQ(platformSurfacePixel(surface, columnOf(7.0), y1), kBlue);
    EXPECT_EQ(platformSurfacePixel(surface, columnOf(-10.0) + kMarkHalfSize, y0 + kMarkHalfSize),
              kBlue);
    EXPECT_EQ(platformSurfacePixel(surface, columnOf(4.0) - kMarkHalfSize, y1 - kMarkHalfSize),
              kBlue);
    // No line from (-2, -5) to (4, 5): the pen was up.
    EXPECT_NE(platformSurfacePixel(surface, columnOf(1.0), rowOf(0.0) - 20), kBlue);
    EXPECT_TRUE(pixelsOf(kBlue, columnOf(0.5), rowOf(3.0), columnOf(1.5), rowOf(-3.0)).empty());
}

TEST_F(GraphPainterTest, MarkStylesAndCaption) {
    testing::installFakeLibrary();
    struct Row {
        int16_t mark;
        std::u16string label;
    };
    for (const Row& row : {Row{kMarkCross, u""}, Row{kMarkCircle, u""}, Row{kMarkDot, u""},
                           Row{kMarkLabel, u"peak"}}) {
        testing::DrawnCurve curve;
        curve.x = {3.0};
        curve.y = {2.0};
        curve.line = 0;
        curve.mark = row.mark;
        curve.colour = 4;
        curve.label = row.label;
        paintDrawn(curve);
        const int c = columnOf(3.0), r = rowOf(2.0);
        const Pixels blue = pixelsOf(kBlue);
        ASSERT_FALSE(blue.empty()) << "mark " << row.mark;
        for (const auto& [x, y] : blue) {
            if (row.mark == kMarkLabel) {
                EXPECT_GT(x, c) << "label left of its point";
                EXPECT_LE(std::abs(y - r), 10);
            } else {
                EXPECT_LE(std::abs(x - c), kMarkHalfSize) << "mark " << row.mark;
                EXPECT_LE(std::abs(y - r), kMarkHalfSize) << "mark " << row.mark;
            }
        }
        if (row.mark == kMarkCross) {
            EXPECT_EQ(platformSurfacePixel(surface, c - 3, r - 3), kBlue);
            EXPECT_EQ(platformSurfacePixel(surface, c + 3, r - 3), kBlue);
        }
        if (row.mark == kMarkDot) {
            EXPECT_EQ(blue.size(), 9u);
        }
    }

    // A caption at screen coordinates: (0, 0) upper left, (239, 129) lower
    // right, whatever the range.
    testing::DrawnCurve caption;
    caption.x = {20.0};
    caption.y = {60.0};
    caption.line = 0;
    caption.mark = kMarkCaption;
    caption.colour = 4;
    caption.label = u"Title";
    paintDrawn(caption);
    const PlatformPoint at = captionPosition(20.0, 129.0, kGraphHeight);
    EXPECT_EQ(at.x, 20);
    EXPECT_EQ(at.y, kGraphHeight - 1);
    const PlatformPoint top = captionPosition(0.0, 0.0, kGraphHeight);
    EXPECT_EQ(top.y, 0);
    const PlatformPoint middle = captionPosition(20.0, 60.0, kGraphHeight);
    const Pixels blue = pixelsOf(kBlue);
    ASSERT_FALSE(blue.empty());
    for (const auto& [x, y] : blue) {
        EXPECT_GE(x, middle.x);
        EXPECT_GE(y, middle.y);
        EXPECT_LT(y, middle.y + 16);
    }
}

TEST_F(GraphPainterTest, FarPointsAreClampedAndStillDrawTheirLine) {
    testing::installFakeLibrary();
    testing::DrawnCurve curve;
    curve.x = {0.0, 1e12};
    curve.y = {0.0, 1e12};
    curve.colour = 1;
    testing::setDrawnCurve(curve);
    enter(u"drawn", 1);
    model().recompute();
    model().setRangeFromDefaults();
    paint();
    // The segment leaves the origin towards the upper right.
    EXPECT_FALSE(pixelsOf(kRed, columnOf(0.0), 0, kGraphWidth, rowOf(0.0)).empty());
}

TEST_F(GraphPainterTest, PenWidthThickensLines) {
    enter(u"0*x+1", 1);
    model().recompute();
    paint();
    const size_t thin = pixelsOf(kRed).size();
    for (int pen : {1, 2}) {
        settings().penWidth = int16_t(pen);
        model().invalidate();
        paint();
        EXPECT_EQ(pixelsOf(kRed).size(), thin * size_t(pen + 1)) << "pen " << pen;
    }
}

TEST_F(GraphPainterTest, TraceCrossAndReadout) {
    enter(u"x", 4);
    model().recompute();
    model().key(GraphKey::Enter);
    model().setCursor(150, 200);
    paint();
    EXPECT_EQ(platformSurfacePixel(surface, 150, 250), kTraceCross);
    EXPECT_EQ(platformSurfacePixel(surface, 20, 200), kTraceCross);
    EXPECT_EQ(platformSurfacePixel(surface, 239, 19), kTraceStrip);
    // The curve's readout line, in the curve's colour, third line down.
    EXPECT_FALSE(pixelsOf(kBlue, 5, 12 + 2 * 18, 100, 12 + 3 * 18).empty());
    // The plot itself keeps no trace: turning it off paints it clean.
    model().key(GraphKey::Enter);
    paint();
    EXPECT_TRUE(pixelsOf(kTraceCross).empty());
    EXPECT_TRUE(pixelsOf(kTraceStrip, 0, 0, kGraphWidth, 20).empty());
}

TEST_F(GraphPainterTest, LegendBehindThePlot) {
    settings().gridX = 0.0;
    model().recompute();
    paint();
    const int plain = testing::inkPixels(surface, kLegendLeft, kLegendTop, kLegendLeft + 189,
                                         kLegendTop + 171, kWhite);
    model().setShowOnBackground(true);
    settings().gridX = kAutomaticGrid;
    model().invalidate();
    paint();
    testing::snapshot(surface, "graph_legend");
    EXPECT_GT(testing::inkPixels(surface, kLegendLeft, kLegendTop, kLegendLeft + 189,
                                 kLegendTop + 171, kWhite),
              plain + 100);
}

}  // namespace
}  // namespace shell

namespace shell {
namespace {

TEST_F(GraphPainterTest, ASampledCurveIgnoresPenBytesLeftInItsRecord) {
    testing::installFakeLibrary();
    testing::DrawnCurve path;
    for (int i = 0; i < kGraphWidth; ++i) {
        path.x.push_back(-18.0 + 0.15 * i);
        path.y.push_back(5.0);
        path.pen.push_back(0);  // every point a move: no line at all
    }
    testing::setDrawnCurve(path);
    enter(u"drawn", 4);
    model().recompute();
    paint();
    EXPECT_TRUE(pixelsOf(kBlue).empty());

    // The record goes to an ordinary block next time, its arrays kept.
    engine::EquationBlock& first = blocks_->block(0);
    first.setFlags(first.flags() & ~engine::kGraphColourMask);
    enter(u"0*x+1", 1);
    model().recompute();
    paint();
    EXPECT_EQ(pixelsOf(kRed, 0, rowOf(1.0), kGraphWidth, rowOf(1.0) + 1).size(),
              size_t(kGraphWidth));
}

}  // namespace
}  // namespace shell
