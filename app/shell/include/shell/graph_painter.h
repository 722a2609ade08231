// Painting the graph view from its model into a surface of 240 x plot
// height logical pixels at the window's scale.
//
// The plot (white background, optional keypad legend, grid, axes, range
// limits, curves) is kept off-screen and rebuilt only when the model says a
// redraw is needed or the target's scale or height changed; the trace cross
// and readout are drawn over a copy of it on every paint.
#ifndef ORVANA_SHELL_GRAPH_PAINTER_H
#define ORVANA_SHELL_GRAPH_PAINTER_H

#include <cstdint>

#include "platform/drawing.h"
#include "shell/graph_model.h"

namespace shell {

inline constexpr PlatformColour kGridPen = PLATFORM_RGB(192, 192, 192);
inline constexpr PlatformColour kGraphGreyText = PLATFORM_RGB(150, 150, 150);
inline constexpr PlatformColour kTraceCross = PLATFORM_RGB(100, 101, 190);
inline constexpr PlatformColour kTraceStrip = PLATFORM_RGB(192, 192, 192);
inline constexpr PlatformColour kPlotBackground = PLATFORM_RGB(255, 255, 255);
inline constexpr PlatformColour kPlotInk = PLATFORM_RGB(0, 0, 0);

// Where the legend sits behind the plot.
inline constexpr int kLegendLeft = 25;
inline constexpr int kLegendTop = 47;

class GraphPainter {
  public:
    GraphPainter() = default;
    ~GraphPainter();
    GraphPainter(const GraphPainter&) = delete;
    GraphPainter& operator=(const GraphPainter&) = delete;

    // Draws the view. Sampled values in the readout are shown in
    // `formatCode` (a display format code), complex ones in polar form when
    // `polar` is set.
    void paint(GraphModel& model, PlatformSurface* target, uint16_t formatCode, bool polar);

    // The plot without trace cross and readout, as last built; null before
    // the first paint.
    const PlatformSurface* plot() const { return plot_; }

  private:
    void rebuildPlot(GraphModel& model);
    void drawTrace(const GraphModel& model, PlatformSurface* target, uint16_t formatCode,
                   bool polar) const;

    PlatformSurface* plot_ = nullptr;
    PlatformSurface* legend_ = nullptr;
};

}  // namespace shell

#endif
