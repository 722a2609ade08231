#include "shell/graph_dialogs.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "shell/graph_model.h"
#include "shell/graph_text.h"
#include "shell/shell_state.h"

namespace shell {
namespace {

constexpr double kFallbackSpacing = 1.0;

std::u16string field(const char* format, double value) {
    std::u16string text = graphNumberText(format, value);
    if (text.size() > kGraphFieldLimit) text.resize(kGraphFieldLimit);
    return text;
}

double spacingOf(const std::u16string& text) {
    const double v = scanDecimal(text);
    return std::isfinite(v) && v > 0.0 ? v : kFallbackSpacing;
}

bool cancelForm(ShellState&, GridSettingForm&) { return false; }
bool cancelSettings(ShellState&, GraphSettingsForm&) { return false; }
bool cancelKeypad(ShellState&, bool&) { return false; }
void noPicture(ShellState&) {}

}  // namespace

double scanDecimal(const std::u16string& text) {
    std::string ascii;
    size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
    if (i < text.size() && text[i] == u'+') ++i;
    for (; i < text.size() && text[i] < 0x80; ++i) ascii.push_back(char(text[i]));
    double value = std::numeric_limits<double>::quiet_NaN();
    const char* first = ascii.data();
    // Only decimal forms: "inf", "nan" and hexadecimal are not numbers here.
    const bool startsNumeric = !ascii.empty() && (ascii[0] == '-' || ascii[0] == '.' ||
                                                  (ascii[0] >= '0' && ascii[0] <= '9'));
    if (!startsNumeric) return value;
    const auto result = std::from_chars(first, first + ascii.size(), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::invalid_argument) return std::numeric_limits<double>::quiet_NaN();
    // Out of range: the scan's overflow gives an infinity of the sign.
    if (result.ec == std::errc::result_out_of_range)
        return ascii[0] == '-' ? -std::numeric_limits<double>::infinity()
                               : std::numeric_limits<double>::infinity();
    return value;
}

GridSettingForm openGridSetting(const engine::WorkspaceSettings& settings) {
    GridSettingForm form;
    form.squareAspect = settings.squareAspect != 0;
    if (settings.gridX == 0.0 || std::isnan(settings.gridX)) {
        form.mode = kNoGrid;
    } else if (settings.gridX < 0.0) {
        form.mode = kAutoGrid;
    } else {
        form.mode = kFixedGrid;
        form.xGrid = field("%G", settings.gridX);
        form.yGrid = field("%G", settings.gridY);
    }
    return form;
}

void applyGridSetting(engine::WorkspaceSettings& settings, const GridSettingForm& form) {
    switch (form.mode) {
        case kAutoGrid: settings.gridX = -1.0; break;
        case kFixedGrid:
            settings.gridX = spacingOf(form.xGrid);
            settings.gridY = spacingOf(form.yGrid);
            break;
        default: settings.gridX = 0.0; break;
    }
    settings.squareAspect = form.squareAspect ? 1 : 0;
}

GraphSettingsForm openGraphSettings(const GraphModel& model) {
    GraphSettingsForm form;
    const GraphRange r = model.visible();
    form.xMin = field("%6.6G", r.xMin);
    form.xMax = field("%6.6G", r.xMax);
    form.yMin = field("%6.6G", r.yMin);
    form.yMax = field("%6.6G", r.yMax);
    const int pen = model.settings().penWidth;
    form.pen = pen >= 0 && pen < int(kPenItems.size()) ? pen : 0;
    return form;
}

void applyGraphSettings(GraphModel& model, const GraphSettingsForm& form) {
    const GraphRange wanted{scanDecimal(form.xMin), scanDecimal(form.xMax),
                            scanDecimal(form.yMin), scanDecimal(form.yMax)};
    model.setRange(wanted);
    engine::WorkspaceSettings& settings = model.settings();
    if (form.makeDefault) {
        // The range now in force, so a reversed or empty pair never becomes
        // a default.
        const GraphRange set = model.visible();
        settings.defaultXMin = set.xMin;
        settings.defaultXMax = set.xMax;
        settings.defaultYMin = set.yMin;
        settings.defaultYMax = set.yMax;
    }
    if (form.pen >= 0 && form.pen < int(kPenItems.size())) settings.penWidth = int16_t(form.pen);
    model.invalidate();
}

GraphDialogViews inactiveGraphDialogs() {
    return GraphDialogViews{cancelForm, cancelSettings, cancelKeypad, noPicture, noPicture};
}

int runGridSettingDialog(ShellState& state) {
    GraphModel& model = *state.graph;
    GridSettingForm form = openGridSetting(model.settings());
    if (state.graphDialogs.gridSetting(state, form)) applyGridSetting(model.settings(), form);
    model.invalidate();
    model.settingsChanged();
    state.pending.redrawClient = true;
    return 1;
}

int runGraphSettingsDialog(ShellState& state) {
    GraphModel& model = *state.graph;
    GraphSettingsForm form = openGraphSettings(model);
    if (state.graphDialogs.graphSettings(state, form)) applyGraphSettings(model, form);
    model.invalidate();
    model.settingsChanged();
    state.pending.redrawClient = true;
    return 1;
}

void runGraphKeypadDialog(ShellState& state) {
    bool show = state.graph->showOnBackground();
    if (!state.graphDialogs.graphKeypad(state, show)) return;
    state.graph->setShowOnBackground(show);
    state.pending.redrawClient = true;
}

}  // namespace shell
