// Grid spacings and the pixel positions of the grid lines.
#ifndef ORVANA_SHELL_GRAPH_GRID_H
#define ORVANA_SHELL_GRAPH_GRID_H

#include <vector>

#include "engine/workspace_settings.h"
#include "shell/graph_mapping.h"

namespace shell {

// A stored spacing of 0 means no grid, a negative one an automatic grid.
inline constexpr double kAutomaticGrid = -1.0;

// The automatic spacing for `pixelsPerUnit` (|scale| of the axis): the
// largest power of 5 whose span is at most about 35 pixels.
double automaticGridSpacing(double pixelsPerUnit);

struct GridSpacings {
    bool active = false;  // false: no grid at all
    double x = 0.0;
    double y = 0.0;
};

// The spacings in use with the settings' gx and gy and the current mapping.
GridSpacings gridSpacingsInUse(const engine::WorkspaceSettings& settings);

struct GridLines {
    std::vector<int> rows;     // horizontal lines, from the top value down
    std::vector<int> columns;  // vertical lines, from the left value up
};

// The lines to draw: an axis gets lines only when its spacing exceeds 4
// pixels. At most a few dozen lines result whatever the values are.
GridLines gridLines(const GraphMapping& mapping, int height, const GridSpacings& spacings);

}  // namespace shell

#endif
