#include "shell/graph_mapping.h"

#include <cmath>

namespace shell {
namespace {

constexpr GraphRange kStartupRange{-18.0, 18.0, -10.0, 10.0};

bool usableScale(double scale) {
    return std::isfinite(scale) && scale != 0.0;
}

}  // namespace

int pixelOf(double value) {
    if (!(value > -99999.0)) return -99999;
    if (value > 99999.0) return 99999;
    return int(value);
}

GraphMapping mappingOf(const engine::WorkspaceSettings& settings) {
    return GraphMapping{settings.sx, settings.cx, settings.sy, settings.cy};
}

void storeMapping(engine::WorkspaceSettings& settings, const GraphMapping& mapping) {
    settings.sx = mapping.sx;
    settings.cx = mapping.cx;
    settings.sy = mapping.sy;
    settings.cy = mapping.cy;
}

GraphRange visibleRange(const GraphMapping& m, int height) {
    return GraphRange{-m.cx / m.sx, (kGraphWidth - m.cx) / m.sx, (height - m.cy) / m.sy,
                      -m.cy / m.sy};
}

GraphRange rangeOfPixels(const GraphMapping& m, double left, double right, double bottom,
                         double top) {
    return GraphRange{m.xAt(left), m.xAt(right), m.yAt(bottom), m.yAt(top)};
}

GraphRange defaultRange(const engine::WorkspaceSettings& settings) {
    GraphRange range{settings.defaultXMin, settings.defaultXMax, settings.defaultYMin,
                     settings.defaultYMax};
    if (!(range.xMax > range.xMin) || !usableScale(kGraphWidth / (range.xMax - range.xMin)) ||
        !std::isfinite(range.xMin)) {
        range.xMin = kStartupRange.xMin;
        range.xMax = kStartupRange.xMax;
    }
    if (!(range.yMax > range.yMin) || !usableScale(1.0 / (range.yMax - range.yMin)) ||
        !std::isfinite(range.yMax)) {
        range.yMin = kStartupRange.yMin;
        range.yMax = kStartupRange.yMax;
    }
    return range;
}

void setRange(engine::WorkspaceSettings& settings, GraphRange range, int height) {
    const GraphRange fallback = defaultRange(settings);
    const double h = height;

    double sy = h / (range.yMin - range.yMax);
    double cy = -sy * range.yMax;
    if (!(range.yMax > range.yMin) || !usableScale(sy) || !std::isfinite(cy)) {
        sy = h / (fallback.yMin - fallback.yMax);
        cy = -sy * fallback.yMax;
    }
    double sx = kGraphWidth / (range.xMax - range.xMin);
    double cx = -sx * range.xMin;
    if (!(range.xMax > range.xMin) || !usableScale(sx) || !std::isfinite(cx)) {
        sx = kGraphWidth / (fallback.xMax - fallback.xMin);
        cx = -sx * fallback.xMin;
    }
    settings.sy = sy;
    settings.cy = cy;
    settings.sx = sx;
    settings.cx = cx;
}

bool isUsable(const GraphMapping& m) {
    return std::isfinite(m.sx) && std::isfinite(m.cx) && std::isfinite(m.sy) &&
           std::isfinite(m.cy) && m.sx > 0.0 && m.sy < 0.0;
}

void applySquareAspect(engine::WorkspaceSettings& settings, int height) {
    const GraphMapping m = mappingOf(settings);
    const GraphRange visible = visibleRange(m, height);
    const double halfHeight = height / 2;  // whole rows, as the plot centre is a row
    if (std::fabs(m.sy) > m.sx) {
        const double centre = m.yAt(halfHeight);
        const double half = halfHeight / m.sx;
        setRange(settings, GraphRange{visible.xMin, visible.xMax, centre - half, centre + half},
                 height);
    } else {
        const double centre = m.xAt(kGraphWidth / 2);
        const double half = (kGraphWidth / 2) / std::fabs(m.sy);
        setRange(settings, GraphRange{centre - half, centre + half, visible.yMin, visible.yMax},
                 height);
    }
}

}  // namespace shell
