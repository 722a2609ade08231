#include "shell/graph_keys.h"

#include <cmath>

#include "shell/graph_dialogs.h"
#include "shell/graph_text.h"
#include "shell/keys.h"

namespace shell {
namespace {

constexpr char16_t kEnter = 13;

void redrawGraph(ShellState& state) {
    state.pending.redrawClient = true;
}

bool pageZero(const ShellState& state) {
    return state.page == 0;
}

}  // namespace

bool graphViewKeyUp(ShellState& state, int key) {
    GraphKey graphKey;
    switch (key) {
        case kKeyLeft: graphKey = GraphKey::Left; break;
        case kKeyRight: graphKey = GraphKey::Right; break;
        case kKeyUp: graphKey = GraphKey::Up; break;
        case kKeyDown: graphKey = GraphKey::Down; break;
        default: return false;
    }
    state.graph->key(graphKey);
    redrawGraph(state);
    return true;
}

bool graphViewCharacter(ShellState& state, char16_t character) {
    if (!pageZero(state)) return false;
    GraphKey key;
    if (character == kEnter) {
        key = GraphKey::Enter;
    } else if (character >= u'0' && character <= u'9') {
        key = static_cast<GraphKey>(int(GraphKey::D0) + (character - u'0'));
    } else {
        return true;
    }
    if (state.graph->key(key) == GraphKeyAction::OpenGridDialog) runGridSettingDialog(state);
    redrawGraph(state);
    return true;
}

void recomputeGraphAfterKey(ShellState& state) {
    if (!state.graphShown()) return;
    state.graph->recompute();
    redrawGraph(state);
}

bool runGraphViewCommand(ShellState& state, int32_t id) {
    switch (id) {
        case kCmdGraphGrids: runGridSettingDialog(state); return true;
        case kCmdGraphSettings: runGraphSettingsDialog(state); return true;
        case kCmdGraphKeyHelp: runGraphKeypadDialog(state); return true;
        case kCmdCopyGraph: state.graphDialogs.copyGraph(state); return true;
        case kCmdSaveGraph: state.graphDialogs.saveGraph(state); return true;
        case kCmdTraceToBlock: traceToBlock(state); return true;
        default: return false;
    }
}

std::u16string traceBlockText(const GraphModel& model) {
    double y = model.cursorY();
    const int column = model.cursorColumn();
    for (int k = model.curveCount() - 1; k >= 0; --k) {
        const KeypadCurve& c = model.curves()[k];
        if (c.pointsAtSamples != 1 || c.markStyle >= kMarkLabel || c.y == nullptr) continue;
        if (column >= c.pointCount || isCurveGap(c.y[column]) || !std::isfinite(c.y[column]))
            continue;
        y = c.y[column];
        break;
    }
    // Ten significant digits: more than the readout shows, and a text the
    // tokenizer reads back (an exponent is written as E+nn or E-nn).
    std::u16string text(1, u'{');
    text.append(graphNumberText("%.10G", model.cursorX()));
    text.push_back(u',');
    text.append(graphNumberText("%.10G", y));
    text.push_back(u'}');
    return text;
}

void traceToBlock(ShellState& state) {
    WorkspaceDocument& document = state.document;
    const std::u16string text = traceBlockText(*state.graph);
    const int last = document.blocks().count() - 1;
    const bool lastEmpty = document.blocks().block(last).text().empty();
    document.insertAt(lastEmpty ? last : last + 1);
    document.setEditText(text);
    state.view.exe(document, ExeMode::Normal);
    state.pending.updateScrollBar = true;
    state.pending.redrawClient = true;
}

}  // namespace shell
