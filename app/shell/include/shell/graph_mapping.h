// The mapping between values and graph pixels, and the range operations
// built on it.
//
// column = cx + sx * x and row = cy + sy * y; sy is negative because rows grow
// downward. The plot is 240 columns wide and `height` rows high, so the
// visible range is x from -cx/sx to (240 - cx)/sx and y from
// (height - cy)/sy to -cy/sy.
//
// The mapping itself lives in the Workspace's settings record, so that a
// saved Workspace brings its graph back; these functions read and change it
// there.
#ifndef ORVANA_SHELL_GRAPH_MAPPING_H
#define ORVANA_SHELL_GRAPH_MAPPING_H

#include "engine/workspace_settings.h"

namespace shell {

inline constexpr int kGraphWidth = 240;
inline constexpr int kGraphHeight = 266;

struct GraphMapping {
    double sx = 0.0;
    double cx = 0.0;
    double sy = 0.0;
    double cy = 0.0;

    double columnOf(double x) const { return cx + sx * x; }
    double rowOf(double y) const { return cy + sy * y; }
    double xAt(double column) const { return (column - cx) / sx; }
    double yAt(double row) const { return (row - cy) / sy; }

    bool operator==(const GraphMapping&) const = default;
};

struct GraphRange {
    double xMin = 0.0;
    double xMax = 0.0;
    double yMin = 0.0;
    double yMax = 0.0;
};

// A pixel coordinate as it is drawn: clamped to +-99999 (NaN to -99999)
// before it becomes an int, so that far-off points still draw their line
// towards the plot.
int pixelOf(double value);

GraphMapping mappingOf(const engine::WorkspaceSettings& settings);
void storeMapping(engine::WorkspaceSettings& settings, const GraphMapping& mapping);

// The values at the plot's edges.
GraphRange visibleRange(const GraphMapping& mapping, int height);

// A range given in pixels (left and right columns, bottom and top rows),
// converted with the current mapping.
GraphRange rangeOfPixels(const GraphMapping& mapping, double left, double right, double bottom,
                         double top);

// The default range of the settings; a stored default that is reversed, empty
// or not finite gives the start-up default (-18..18, -10..10) instead.
GraphRange defaultRange(const engine::WorkspaceSettings& settings);

// Set range: a y pair with yMax <= yMin takes the default y range, an x pair
// with xMax <= xMin the default x range. A pair that would give a scale of 0,
// infinity or NaN (a span that overflows, NaN limits) falls back the same
// way, so the mapping always stays usable.
void setRange(engine::WorkspaceSettings& settings, GraphRange range, int height);

// A mapping that can be drawn with: finite, sx > 0 and sy < 0. A Workspace
// file may hold anything in these fields.
bool isUsable(const GraphMapping& mapping);

// Square aspect: the axis with more pixels per unit is widened about the
// plot's centre until both axes have the same scale, so the earlier view stays
// inside the new one.
void applySquareAspect(engine::WorkspaceSettings& settings, int height);

}  // namespace shell

#endif
