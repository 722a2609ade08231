// The graph view without a window: the plot range, the sampling of the
// blocks marked for graphing into curve records, the data extents, the
// zoom, scale and move commands, the trace cursor and its readout.
//
// A window front end draws this state and forwards keys and commands; the
// command-line front end samples it and writes the curves out. The mapping,
// the grid spacings, the autoscale and square-aspect settings and the range
// defaults are those of the Workspace's settings record, so a loaded
// Workspace brings its graph back.
#ifndef ORVANA_SHELL_GRAPH_MODEL_H
#define ORVANA_SHELL_GRAPH_MODEL_H

#include <array>
#include <cstdint>
#include <string>

#include "engine/block_list.h"
#include "engine/workspace_settings.h"
#include "shell/graph_curves.h"
#include "shell/graph_mapping.h"
#include "shell/graph_samples.h"

namespace shell {

// The range commands of the graph menu, by command id.
enum class GraphCommand : int {
    DefaultAxes = 40017,
    ZoomIn = 40018,
    ZoomOut = 40019,
    Autoscale = 40052,
    ZoomOut4x = 40055,
    ScaleY = 40097,
    UndoScaling = 40100,
};

// Keys of the graph view: the arrows, Enter and the digit keys.
enum class GraphKey { Left, Right, Up, Down, Enter, D0, D1, D2, D3, D4, D5, D6, D7, D8, D9 };

// What a key leaves for the front end to do.
enum class GraphKeyAction { None, OpenGridDialog };

inline constexpr int kReadoutLines = 7;
inline constexpr int kReadoutUnits = 30;  // per line, terminator included
inline constexpr int kReadoutCurveLines = 5;

class GraphModel {
  public:
    // The view as created: cursor (120, 133), redraw needed, no curves, the
    // mapping of the settings (made usable from the default range if it is
    // not) saved as the undo mapping.
    GraphModel(engine::BlockList& blocks, engine::WorkspaceSettings& settings);
    GraphModel(const GraphModel&) = delete;
    GraphModel& operator=(const GraphModel&) = delete;

    engine::WorkspaceSettings& settings() { return settings_; }
    const engine::WorkspaceSettings& settings() const { return settings_; }

    int height() const { return height_; }
    // A new plot height; the range is applied again from the defaults.
    void setHeight(int height);

    GraphMapping mapping() const { return mappingOf(settings_); }
    GraphMapping undoMapping() const { return undo_; }
    GraphRange visible() const { return visibleRange(mapping(), height_); }
    // Set range with its fallbacks; no resampling.
    void setRange(const GraphRange& range);
    void setRangeFromDefaults();

    // The recompute step (the view being shown, or graphed blocks having
    // changed): redraw needed, sample, then the autoscale rule and the square
    // aspect.
    void recompute();
    // Samples every graphed block from the last to the first while fewer
    // than 20 curves are in use.
    void sample();

    const SampleBuffer& samples() const { return samples_; }
    const CurveTable& curves() const { return curves_; }
    int curveCount() const { return curves_.count(); }
    GraphRange dataExtents() const { return extents_; }

    bool imagDataIgnored() const { return imagIgnored_; }
    bool resampleNeeded() const { return resample_; }
    bool redrawNeeded() const { return redraw_; }
    void clearRedrawNeeded() { redraw_ = false; }
    // The plot must be built again (a new pen width, a new legend setting).
    void invalidate() { redraw_ = true; }

    // Whether the graph keypad legend is drawn behind the plot.
    bool showOnBackground() const { return showOnBackground_; }
    void setShowOnBackground(bool on) {
        showOnBackground_ = on;
        redraw_ = true;
    }

    // A range command, then the square aspect and a new sampling when the
    // x range changed and some curve depends on it.
    void command(GraphCommand command);
    // After the Grid Setting or Graph Settings dialog: the autoscale rule,
    // the square aspect, resampling if needed.
    void settingsChanged();
    GraphKeyAction key(GraphKey key);

    // Pointer gestures of a desktop window. A drag saves the mapping for
    // Undo Scaling once, when it starts, and then moves the plot by whole
    // pixels as the move keys do; the wheel zooms about the pointer's pixel
    // by `factor` (above 1 in, below 1 out) as a range command, so Undo
    // Scaling takes either back.
    void beginDrag() { saveUndo(); }
    void dragBy(int columns, int rows);
    void zoomAbout(int column, int row, double factor);

    bool traceOn() const { return trace_; }
    void setTrace(bool on) { trace_ = on; }
    int cursorColumn() const { return cursorColumn_; }
    int cursorRow() const { return cursorRow_; }
    // Kept inside the plot.
    void setCursor(int column, int row);
    double cursorX() const { return mapping().xAt(cursorColumn_); }
    double cursorY() const { return mapping().yAt(cursorRow_); }

    // The readout: line 0 "x=...", line 1 "y=...", lines 2..6 one per curve
    // of mark style below 10 from the last one backwards, each starting with
    // the curve's colour code as a character; unused lines are empty. Values
    // of sampled curves are shown in `formatCode` (a display format code).
    std::array<std::u16string, kReadoutLines> traceReadout(uint16_t formatCode, bool polar) const;
    // The two texts of the strip at the top of the traced view.
    std::u16string traceStripX() const;
    std::u16string traceStripY() const;

  private:
    void saveUndo() { undo_ = mapping(); }
    // The autoscale rule: with the setting on, the range becomes the data
    // extents.
    void autoscaleRule();
    void setRangeToExtents();
    void finishRangeChange();
    void resampleIfNeeded();
    void sampleBlock(int index);
    void zoomAboutCursor(int halfColumns, int halfRows);

    engine::BlockList& blocks_;
    engine::WorkspaceSettings& settings_;
    int height_ = kGraphHeight;
    GraphMapping undo_;
    SampleBuffer samples_;
    GraphMapping sampledWith_;  // the mapping the samples were taken with
    CurveTable curves_;
    GraphRange extents_;
    bool redraw_ = true;
    bool trace_ = false;
    bool imagIgnored_ = false;
    bool resample_ = false;
    bool showOnBackground_ = false;
    int cursorColumn_ = kGraphWidth / 2;
    int cursorRow_ = kGraphHeight / 2;
};

}  // namespace shell

#endif
