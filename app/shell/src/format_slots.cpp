// The display-format slots and applying the one in use.
#include "shell/format_slots.h"

#include "engine/evaluator.h"
#include "engine/workspace_settings.h"

namespace shell {

FormatSlot FormatSlots::slot(int index) const {
    if (index == 1 || index == 2) return saved[size_t(index - 1)];
    const engine::WorkspaceSettings& w = engine::workspaceSettings();
    FormatSlot s;
    s.formatCode = w.formatCode;
    s.answerRows = w.answerRows;
    s.answerColumns = w.answerColumns;
    s.polar = w.polar;
    s.evaluation = w.evaluation;
    s.stored = w.storedFlag != 0;
    return s;
}

void FormatSlots::setSlot(int index, const FormatSlot& values) {
    if (index == 1 || index == 2) {
        saved[size_t(index - 1)] = values;
        return;
    }
    engine::WorkspaceSettings& w = engine::workspaceSettings();
    w.formatCode = values.formatCode;
    w.answerRows = values.answerRows;
    w.answerColumns = values.answerColumns;
    w.polar = values.polar;
    w.evaluation = values.evaluation;
    w.storedFlag = values.stored ? 1 : 0;
}

void applyNumberFormat(const FormatSlots& slots) {
    const FormatSlot s = slots.inUse();
    engine::buildFormat(s.formatCode);
    engine::setEvaluationFlag(s.evaluation);
}

}  // namespace shell
