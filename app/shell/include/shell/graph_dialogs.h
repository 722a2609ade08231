// The graph view's dialogs: "Grid Setting", "Graph Settings" and "Graph
// Keypad". Their logic lives here, on plain forms that hold what the dialog
// shows; a front end installs the views that let the user edit a form.
#ifndef ORVANA_SHELL_GRAPH_DIALOGS_H
#define ORVANA_SHELL_GRAPH_DIALOGS_H

#include <array>
#include <string>

#include "engine/workspace_settings.h"

namespace shell {

class GraphModel;
struct ShellState;

// The longest text a spacing or range field holds.
inline constexpr size_t kGraphFieldLimit = 29;

inline constexpr std::array<const char16_t*, 3> kGridModeItems{u"No Grid", u"Auto Grid",
                                                              u"Fixed Grid"};
inline constexpr std::array<const char16_t*, 3> kPenItems{u"1", u"2", u"3"};

enum GridModePosition : int { kNoGrid = 0, kAutoGrid = 1, kFixedGrid = 2 };

struct GridSettingForm {
    bool squareAspect = false;
    int mode = kNoGrid;  // position in kGridModeItems
    std::u16string xGrid;
    std::u16string yGrid;
};

struct GraphSettingsForm {
    std::u16string xMin;
    std::u16string xMax;
    std::u16string yMin;
    std::u16string yMax;
    bool makeDefault = false;  // the "Default" box
    int pen = 0;               // position in kPenItems
};

// What the dialogs show when they open.
GridSettingForm openGridSetting(const engine::WorkspaceSettings& settings);
GraphSettingsForm openGraphSettings(const GraphModel& model);

// OK: the form goes into the settings. A spacing field of a fixed grid that
// holds no positive number gives the spacing 1, so a fixed grid never turns
// into "no grid" or an automatic one by a typing slip.
void applyGridSetting(engine::WorkspaceSettings& settings, const GridSettingForm& form);
// OK: the range is set from the four fields (a field without a number makes
// its pair fall back to the default range); with "Default" checked the range
// then in force becomes the default range; the pen setting follows the list.
void applyGraphSettings(GraphModel& model, const GraphSettingsForm& form);

// A field read by the standard decimal scan: leading blanks, an optional
// sign, digits with an optional point and exponent; trailing text is
// ignored. NaN when the field does not begin with a number.
double scanDecimal(const std::u16string& text);

// The views a front end installs. Each dialog edits its form or flag and
// answers true for OK, false for Cancel. The two picture actions of the "G"
// menu belong to the front end too: copying the plot to the clipboard as an
// image, and saving it as a PNG file it asks the user for.
struct GraphDialogViews {
    bool (*gridSetting)(ShellState& state, GridSettingForm& form);
    bool (*graphSettings)(ShellState& state, GraphSettingsForm& form);
    bool (*graphKeypad)(ShellState& state, bool& showOnBackground);
    void (*copyGraph)(ShellState& state);
    void (*saveGraph)(ShellState& state);
};

// Views that cancel without showing anything and actions that do nothing.
GraphDialogViews inactiveGraphDialogs();

// The dialogs as the graph view opens them. Grid Setting and Graph Settings
// answer 1 for OK and Cancel alike, and the view then applies the autoscale
// rule and the square aspect, resamples if needed and is redrawn.
int runGridSettingDialog(ShellState& state);
int runGraphSettingsDialog(ShellState& state);
// OK stores "Show on background" and redraws the graph.
void runGraphKeypadDialog(ShellState& state);

}  // namespace shell

#endif
