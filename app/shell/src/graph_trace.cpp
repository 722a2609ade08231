// The trace cursor's readout lines.
#include <cmath>

#include "engine/display_format.h"
#include "shell/graph_model.h"
#include "shell/graph_text.h"

namespace shell {
namespace {

// A point of a curve with its own x values counts for the cursor when it
// lies this close, in pixels.
constexpr double kPointReach = 1.5;
constexpr size_t kLineLimit = kReadoutUnits - 1;

std::u16string cut(std::u16string text) {
    if (text.size() > kLineLimit) text.resize(kLineLimit);
    return text;
}

}  // namespace

std::array<std::u16string, kReadoutLines> GraphModel::traceReadout(uint16_t formatCode,
                                                                   bool polar) const {
    std::array<std::u16string, kReadoutLines> lines;
    const GraphMapping m = mapping();
    const double x = cursorX();
    lines[0] = cut(graphNumberText("x=%-0.4G", x));
    lines[1] = cut(graphNumberText("y=%-0.4G", cursorY()));

    const std::u16string format = engine::formatStringFor(formatCode);
    int line = 2;
    for (int k = curves_.count() - 1; k >= 0 && line < kReadoutLines; --k) {
        const KeypadCurve& c = curves_[k];
        if (c.markStyle >= kMarkLabel) continue;
        const bool degrees = c.blockIndex >= 0 && c.blockIndex < blocks_.count() &&
                             blocks_.block(c.blockIndex).degrees();
        std::u16string text(1, char16_t(c.colour));
        if (c.pointsAtSamples == 1) {
            const int column = cursorColumn_;
            if (c.y == nullptr || column < 0 || column >= c.pointCount ||
                column >= samples_.count() || isCurveGap(c.y[column])) {
                text += u" --  ";
            } else {
                text += engine::formatNumber(c.y[column], 0.0, format.c_str(), degrees, polar);
            }
        } else if (c.x != nullptr && c.y != nullptr) {
            bool first = true;
            for (int i = 0; i < c.pointCount && text.size() < kLineLimit; ++i) {
                if (isCurveGap(c.y[i]) || !(std::fabs(c.x[i] - x) * m.sx <= kPointReach)) continue;
                if (!first) text += u", ";
                text += engine::formatNumber(c.y[i], 0.0, format.c_str(), degrees, polar);
                first = false;
            }
        }
        lines[line++] = cut(std::move(text));
    }
    return lines;
}

std::u16string GraphModel::traceStripX() const {
    return graphNumberText(" x:%#0.4G", cursorX());
}

std::u16string GraphModel::traceStripY() const {
    return graphNumberText("y:%#10.6G ", cursorY());
}

}  // namespace shell
