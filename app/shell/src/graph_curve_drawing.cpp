#include "shell/graph_curve_drawing.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "shell/block_view.h"
#include "shell/graph_curves.h"

namespace shell {
namespace {

// A label is drawn this far right of its point, vertically centred on it.
constexpr int kLabelGap = 3;

struct PlotPoint {
    bool present = false;  // false: a gap
    bool penDown = true;   // false: move here without drawing
    int column = 0;
    int row = 0;
};

PlotPoint pointAt(const CurveCanvas& canvas, const KeypadCurve& c, int i) {
    PlotPoint p;
    const double y = c.y[i];
    const double x = c.pointsAtSamples == 1 ? canvas.samples->x(i) : c.x[i];
    if (isCurveGap(y)) return p;
    p.present = true;
    // Pen bytes belong to curves with their own x values (a pen path); a
    // record reused for a curve at the samples may still hold an old array.
    p.penDown = c.pointsAtSamples == 1 || c.penUp == nullptr || c.penUp[i] != 0;
    p.column = pixelOf(canvas.mapping.columnOf(x));
    p.row = pixelOf(canvas.mapping.rowOf(y));
    return p;
}

// The number of points that can be read safely.
int readablePoints(const CurveCanvas& canvas, const KeypadCurve& c) {
    if (c.y == nullptr || c.pointCount <= 0) return 0;
    if (c.pointsAtSamples == 1) {
        if (canvas.samples == nullptr) return 0;
        return std::min<int>(c.pointCount, canvas.samples->count());
    }
    return c.x == nullptr ? 0 : c.pointCount;
}

// One run of joined points, drawn with the pen width by repeating the
// one-pixel line at small offsets (a square pen).
void drawRun(const CurveCanvas& canvas, std::vector<PlatformPoint>& run, PlatformColour colour) {
    if (run.size() == 1) run.push_back(run.front());
    const int w = canvas.penWidth;
    const int first = -(w - 1) / 2;
    std::vector<PlatformPoint> shifted(run.size());
    for (int dy = first; dy < first + w; ++dy)
        for (int dx = first; dx < first + w; ++dx) {
            for (size_t i = 0; i < run.size(); ++i)
                shifted[i] = PlatformPoint{run[i].x + dx, run[i].y + dy};
            platformDrawPolyline(canvas.surface, shifted.data(), int32_t(shifted.size()), colour);
        }
    run.clear();
}

void drawLines(const CurveCanvas& canvas, const KeypadCurve& c, int n, PlatformColour colour) {
    std::vector<PlatformPoint> run;
    run.reserve(size_t(n));
    for (int i = 0; i < n; ++i) {
        const PlotPoint p = pointAt(canvas, c, i);
        if (!p.present) {
            // A gap ends the line; the next point starts a new one.
            if (run.size() > 1) drawRun(canvas, run, colour);
            run.clear();
            continue;
        }
        if (!p.penDown) {
            if (run.size() > 1) drawRun(canvas, run, colour);
            run.clear();
        }
        run.push_back(PlatformPoint{p.column, p.row});
    }
    if (run.size() > 1) drawRun(canvas, run, colour);
}

std::u16string labelText(const KeypadCurve& c) {
    size_t n = 0;
    while (n < size_t(KEYPAD_CURVE_LABEL_UNITS) && c.label[n] != 0) ++n;
    return std::u16string(c.label, n);
}

void drawMark(const CurveCanvas& canvas, const KeypadCurve& c, PlatformPoint at,
              PlatformColour colour, const std::u16string& label) {
    PlatformSurface* s = canvas.surface;
    const int r = kMarkHalfSize;
    switch (c.markStyle) {
        case kMarkCross:
            platformDrawLine(s, at.x - r, at.y - r, at.x + r, at.y + r, colour);
            platformDrawLine(s, at.x - r, at.y + r, at.x + r, at.y - r, colour);
            break;
        case kMarkCircle:
            platformDrawEllipse(s, at.x - r, at.y - r, at.x + r + 1, at.y + r + 1, colour, 0);
            break;
        case kMarkSquare: {
            const PlatformPoint box[5] = {{at.x - r, at.y - r},
                                          {at.x + r, at.y - r},
                                          {at.x + r, at.y + r},
                                          {at.x - r, at.y + r},
                                          {at.x - r, at.y - r}};
            platformDrawPolyline(s, box, 5, colour);
            break;
        }
        case kMarkDot:
            platformFillRect(s, at.x - 1, at.y - 1, at.x + 2, at.y + 2, colour);
            break;
        case kMarkLabel: {
            const PlatformFont font = labelFont();
            platformDrawText(s, at.x + kLabelGap, at.y - font.height / 2, label.c_str(), &font,
                             colour);
            break;
        }
        default:
            // Styles the view does not know draw no mark.
            break;
    }
}

void drawCaption(const CurveCanvas& canvas, const KeypadCurve& c, PlatformColour colour) {
    if (c.x == nullptr || c.y == nullptr || c.pointCount < 1 || isCurveGap(c.y[0])) return;
    const PlatformPoint at = captionPosition(c.x[0], c.y[0], canvas.height);
    const PlatformFont font = labelFont();
    platformDrawText(canvas.surface, at.x, at.y, labelText(c).c_str(), &font, colour);
}

}  // namespace

PlatformColour curveColour(int colourCode) {
    if (colourCode < 1 || colourCode >= int(kCurveColours.size())) return PLATFORM_RGB(0, 0, 0);
    return kCurveColours[size_t(colourCode)];
}

int penPixels(int penSetting) {
    return penSetting <= 0 ? 1 : std::min(penSetting, 2) + 1;
}

PlatformPoint captionPosition(double x, double y, int height) {
    const double column = x;
    const double row = y * double(height - 1) / kCaptionBottom;
    return PlatformPoint{pixelOf(column), pixelOf(row)};
}

void drawCurve(const CurveCanvas& canvas, const KeypadCurve& c) {
    const PlatformColour colour = curveColour(c.colour);
    if (c.markStyle == kMarkCaption) {
        drawCaption(canvas, c, colour);
        return;
    }
    const int n = readablePoints(canvas, c);
    if (n == 0) return;
    if (c.lineFlag == 1) drawLines(canvas, c, n, colour);
    if (c.markStyle == 0) return;
    const std::u16string label = c.markStyle == kMarkLabel ? labelText(c) : std::u16string();
    for (int i = 0; i < n; ++i) {
        const PlotPoint p = pointAt(canvas, c, i);
        if (!p.present || p.column < 0 || p.column > kGraphWidth - 1 || p.row < 0 ||
            p.row > canvas.height)
            continue;
        drawMark(canvas, c, PlatformPoint{p.column, p.row}, colour, label);
    }
}

}  // namespace shell
