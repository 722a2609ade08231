// Pointer gestures on the graph: dragging the plot and zooming with the
// wheel about the pointer.
#include <cmath>

#include "shell/graph_model.h"

namespace shell {

void GraphModel::dragBy(int columns, int rows) {
    if (columns == 0 && rows == 0) return;
    settings_.cx += columns;
    settings_.cy += rows;
    redraw_ = true;
    resampleIfNeeded();
}

void GraphModel::zoomAbout(int column, int row, double factor) {
    if (!(factor > 0.0) || !std::isfinite(factor)) return;
    saveUndo();
    const double u = column;
    const double v = row;
    // The value under the pointer stays under it: every edge comes closer to
    // (or goes further from) the pointer by the factor.
    const double left = u - u / factor;
    const double right = u + (kGraphWidth - u) / factor;
    const double top = v - v / factor;
    const double bottom = v + (height_ - v) / factor;
    setRange(rangeOfPixels(mapping(), left, right, bottom, top));
    finishRangeChange();
}

}  // namespace shell
