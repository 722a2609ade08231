// The settings that travel with a Workspace file: the graph view's grid,
// range and mapping, and display-format slot 0 (format code, answer rows,
// polar and evaluation flags), plus the two RPN-mode values. The engine owns
// one record for the current Workspace; the Workspace reader and writer fill
// and store it, and the graph view and the display code read and change it.
#ifndef ORVANA_ENGINE_WORKSPACE_SETTINGS_H
#define ORVANA_ENGINE_WORKSPACE_SETTINGS_H

#include <cstdint>

namespace engine {

// The plot height the default mapping is computed for (the graph view sets
// the mapping again once it knows its real size).
inline constexpr double kDefaultPlotHeight = 266.0;
inline constexpr double kPlotWidth = 240.0;

struct WorkspaceSettings {
    // Grid spacings: 0 no grid, negative automatic grid, positive a fixed
    // spacing.
    double gridX = 0.0;
    double gridY = 0.0;
    int16_t autoscale = 0;     // 1: range operations first fit the data
    int16_t squareAspect = 0;  // 1 on
    int16_t penWidth = 0;      // 0 to 2

    // Display-format slot 0.
    uint16_t formatCode = 0x0005;  // kind in the high byte, digits in the low
    int16_t answerRows = 1;        // 0 ("Script") to 3
    int16_t answerColumns = 1;     // always 1
    bool polar = false;            // complex numbers in polar form
    bool evaluation = false;       // rounding of answers (the evaluator's flag)
    int16_t storedFlag = 0;        // kept and written back, nothing more

    // The two values RPN mode resets when it is switched on.
    int16_t rpnFirst = 0;
    int16_t rpnSecond = 0;

    // The default range (Graph Settings' "Default").
    double defaultXMin = -18.0;
    double defaultXMax = 18.0;
    double defaultYMin = -10.0;
    double defaultYMax = 10.0;

    // The mapping between values and pixels: column = sx * x + cx,
    // row = sy * y + cy. The defaults are the default range on a 240 x 266
    // plot.
    double sy = kDefaultPlotHeight / (-10.0 - 10.0);
    double sx = kPlotWidth / (18.0 - -18.0);
    double cy = -(kDefaultPlotHeight / (-10.0 - 10.0)) * 10.0;
    double cx = -(kPlotWidth / (18.0 - -18.0)) * -18.0;

    // 1 when automatic recalculation of the following blocks is off. Saved
    // with the file; loading a file switches recalculation back on.
    bool recalculationOff = false;
};

// The record of the current Workspace.
WorkspaceSettings& workspaceSettings();
// Back to the values above.
void resetWorkspaceSettings();

}  // namespace engine

#endif
