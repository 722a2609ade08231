// The graph keypad legend: what the digit keys and Enter do over the graph
// view, drawn as the phone keypad (1 2 3 / 4 5 6 / 7 8 9 / Enter 0). It is
// shown behind the plot when "Show on background" is on and in the Graph
// Keypad dialog.
#ifndef ORVANA_SHELL_GRAPH_KEYPAD_LEGEND_H
#define ORVANA_SHELL_GRAPH_KEYPAD_LEGEND_H

#include "platform/drawing.h"

namespace shell {

inline constexpr int kGraphLegendWidth = 189;
inline constexpr int kGraphLegendHeight = 171;

// Draws the legend into a surface of at least 189 x 171 logical pixels.
void drawGraphKeypadLegend(PlatformSurface* surface);

// A new surface at `scale` holding the legend; null when memory ran out.
PlatformSurface* createGraphKeypadLegend(int scale);

}  // namespace shell

#endif
