#include "shell/graph_grid.h"

#include <cmath>

namespace shell {
namespace {

// 1 / ln 5.
constexpr double kInverseLogFive = 0.6213495712687959;
// The spacing's span in pixels must exceed this for lines to be drawn.
constexpr double kMinimumLineDistance = 4.0;
// More lines than this cannot fit 240 columns (or a plot's rows) 4 pixels
// apart; the bound also stops a loop whose step vanishes next to huge values.
constexpr int kMaximumLines = 200;

}  // namespace

double automaticGridSpacing(double pixelsPerUnit) {
    const double k = std::floor(std::log(35.0 / pixelsPerUnit) * kInverseLogFive);
    return std::pow(5.0, k);
}

GridSpacings gridSpacingsInUse(const engine::WorkspaceSettings& settings) {
    GridSpacings s;
    if (settings.gridX == 0.0 || std::isnan(settings.gridX)) return s;
    s.active = true;
    if (settings.gridX < 0.0) {
        s.x = automaticGridSpacing(settings.sx);
        s.y = automaticGridSpacing(-settings.sy);
    } else {
        s.x = settings.gridX;
        s.y = settings.gridY;
    }
    return s;
}

GridLines gridLines(const GraphMapping& m, int height, const GridSpacings& spacings) {
    GridLines lines;
    if (!spacings.active) return lines;
    const GraphRange visible = visibleRange(m, height);

    const double ys = spacings.y;
    if (std::isfinite(ys) && ys > 0.0 && ys * std::fabs(m.sy) > kMinimumLineDistance) {
        double value = std::floor(visible.yMax / ys) * ys;
        for (int n = 0; n < kMaximumLines && !(value < visible.yMin); ++n, value -= ys)
            lines.rows.push_back(pixelOf(m.sy * value + m.cy));
    }
    const double xs = spacings.x;
    if (std::isfinite(xs) && xs > 0.0 && xs * m.sx > kMinimumLineDistance) {
        double value = std::floor(visible.xMin / xs) * xs;
        for (int n = 0; n < kMaximumLines && value < visible.xMax; ++n, value += xs)
            lines.columns.push_back(pixelOf(m.sx * value + m.cx));
    }
    return lines;
}

}  // namespace shell
