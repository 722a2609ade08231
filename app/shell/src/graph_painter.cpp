#include "shell/graph_painter.h"

#include <string>

#include "shell/block_view.h"
#include "shell/graph_curve_drawing.h"
#include "shell/graph_grid.h"
#include "shell/graph_keypad_legend.h"
#include "shell/graph_text.h"

namespace shell {
namespace {

constexpr int kReadoutLeft = 5;
constexpr int kReadoutTop = 12;
constexpr int kReadoutStep = 18;
constexpr int kStripHeight = 20;
constexpr int kStripTextTop = 2;
constexpr const char16_t* kImagNote = u"imag data ignored";

enum class Align { Left, Right };

// Text in the small font with its cell's top at `top`, starting at `edge`
// (left-aligned) or ending there (right-aligned). Like the device's text
// boxes without clipping: a long text runs past its box rather than being
// cut.
void drawSmallText(PlatformSurface* s, int edge, int top, const std::u16string& text, Align align,
                   PlatformColour colour) {
    const PlatformFont font = labelFont();
    int x = edge;
    if (align == Align::Right) {
        int32_t width = 0, height = 0;
        platformMeasureText(text.c_str(), &font, &width, &height);
        x = edge - width;
    }
    platformDrawText(s, x, top, text.c_str(), &font, colour);
}

void drawGrid(PlatformSurface* s, const GraphModel& model) {
    const GridSpacings spacings = gridSpacingsInUse(model.settings());
    if (!spacings.active) return;
    const int h = model.height();
    const GridLines lines = gridLines(model.mapping(), h, spacings);
    for (int row : lines.rows) platformDrawLine(s, 0, row, kGraphWidth - 1, row, kGridPen);
    for (int column : lines.columns) platformDrawLine(s, column, 0, column, h, kGridPen);
    drawSmallText(s, 2, h - 18, graphNumberText("X-Grid=%G", spacings.x), Align::Left,
                  kGraphGreyText);
    drawSmallText(s, 237, h - 18, graphNumberText("Y-Grid=%G", spacings.y), Align::Right,
                  kGraphGreyText);
}

void drawAxesAndLimits(PlatformSurface* s, const GraphModel& model) {
    const int h = model.height();
    const GraphMapping m = model.mapping();
    const int axisRow = pixelOf(m.cy);
    const int axisColumn = pixelOf(m.cx);
    platformDrawLine(s, 0, axisRow, kGraphWidth, axisRow, kPlotInk);
    platformDrawLine(s, axisColumn, 0, axisColumn, h, kPlotInk);

    const GraphRange r = model.visible();
    const int middle = h / 2;
    drawSmallText(s, 3, middle + 3, graphNumberText("%-0.4G", r.xMin), Align::Left, kPlotInk);
    drawSmallText(s, 238, middle + 3, graphNumberText("%-0.4G", r.xMax), Align::Right, kPlotInk);
    drawSmallText(s, 105, 2, graphNumberText("%-0.4G", r.yMax), Align::Left, kPlotInk);
    drawSmallText(s, 105, h - 18, graphNumberText("%-0.4G", r.yMin), Align::Left, kPlotInk);
}

}  // namespace

GraphPainter::~GraphPainter() {
    platformDestroySurface(plot_);
    platformDestroySurface(legend_);
}

void GraphPainter::rebuildPlot(GraphModel& model) {
    PlatformSurface* s = plot_;
    const int h = model.height();
    platformFillRect(s, 0, 0, kGraphWidth, h, kPlotBackground);
    if (model.showOnBackground()) {
        const int scale = platformSurfaceScale(s);
        if (legend_ != nullptr && platformSurfaceScale(legend_) != scale) {
            platformDestroySurface(legend_);
            legend_ = nullptr;
        }
        if (legend_ == nullptr) legend_ = createGraphKeypadLegend(scale);
        platformCopySurface(s, kLegendLeft, kLegendTop, legend_, 0, 0, kGraphLegendWidth,
                            kGraphLegendHeight);
    }
    drawGrid(s, model);
    drawAxesAndLimits(s, model);

    CurveCanvas canvas;
    canvas.surface = s;
    canvas.mapping = model.mapping();
    canvas.height = h;
    canvas.penWidth = penPixels(model.settings().penWidth);
    canvas.samples = &model.samples();
    for (int k = 0; k < model.curveCount(); ++k) drawCurve(canvas, model.curves()[k]);
    if (model.imagDataIgnored())
        drawSmallText(s, 3, h - 36, kImagNote, Align::Left, kGraphGreyText);

    platformDrawLine(s, 0, h - 1, kGraphWidth, h - 1, kPlotInk);
    model.clearRedrawNeeded();
}

void GraphPainter::paint(GraphModel& model, PlatformSurface* target, uint16_t formatCode,
                         bool polar) {
    if (target == nullptr) return;
    const int h = model.height();
    const int scale = platformSurfaceScale(target);
    if (plot_ != nullptr &&
        (platformSurfaceScale(plot_) != scale || platformSurfaceHeight(plot_) != h)) {
        platformDestroySurface(plot_);
        plot_ = nullptr;
    }
    bool rebuild = model.redrawNeeded();
    if (plot_ == nullptr) {
        plot_ = platformCreateScaledSurface(kGraphWidth, h, scale);
        if (plot_ == nullptr) return;
        rebuild = true;
    }
    if (rebuild) rebuildPlot(model);
    platformCopySurface(target, 0, 0, plot_, 0, 0, kGraphWidth, h);
    if (model.traceOn()) drawTrace(model, target, formatCode, polar);
}

void GraphPainter::drawTrace(const GraphModel& model, PlatformSurface* target,
                             uint16_t formatCode, bool polar) const {
    const int h = model.height();
    const int u = model.cursorColumn(), v = model.cursorRow();
    platformDrawLine(target, u, 0, u, h, kTraceCross);
    platformDrawLine(target, 0, v, kGraphWidth, v, kTraceCross);

    // Line 0 (the cursor's x) would lie half under the strip, which shows
    // the same value; it is left out rather than drawn half hidden.
    const auto lines = model.traceReadout(formatCode, polar);
    int top = kReadoutTop + kReadoutStep;
    for (int k = 1; k < kReadoutLines; ++k) {
        const std::u16string& line = lines[size_t(k)];
        if (k == 1) {
            drawSmallText(target, kReadoutLeft, top, line, Align::Left, kPlotInk);
        } else {
            if (line.empty()) continue;
            drawSmallText(target, kReadoutLeft, top, line.substr(1), Align::Left,
                          curveColour(int(line[0])));
        }
        top += kReadoutStep;
    }

    platformFillRect(target, 0, 0, kGraphWidth, kStripHeight, kTraceStrip);
    drawSmallText(target, 0, kStripTextTop, model.traceStripX(), Align::Left, kPlotInk);
    drawSmallText(target, kGraphWidth, kStripTextTop, model.traceStripY(), Align::Right, kPlotInk);
}

}  // namespace shell
