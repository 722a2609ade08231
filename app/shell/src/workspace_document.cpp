#include "shell/workspace_document.h"

#include <algorithm>

#include "engine/answer_index.h"
#include "engine/scripts.h"
#include "platform/edit_control.h"

namespace shell {

using engine::UndoKind;

WorkspaceDocument::WorkspaceDocument() : editLine_(platformEditCreate()) {
    platformEditSetLimit(editLine_, int32_t(engine::kBlockTextLimit));
}

WorkspaceDocument::~WorkspaceDocument() { platformEditDestroy(editLine_); }

std::u16string WorkspaceDocument::editText() const {
    std::u16string text(platformEditTextLength(editLine_) + 1, u'\0');
    text.resize(platformEditGetText(editLine_, text.data(), text.size()));
    return text;
}

void WorkspaceDocument::setEditText(std::u16string_view text) {
    const std::u16string copy(text);
    platformEditSetText(editLine_, copy.c_str());
}

void WorkspaceDocument::showActive() { setEditText(activeBlock().text()); }

void WorkspaceDocument::setActive(int index) {
    active_ = std::clamp(index, 0, blocks_.count() - 1);
    showActive();
}

ListChange WorkspaceDocument::exe(ExeMode mode, bool keepExecutedActive) {
    engine::clearScriptAbort();
    engine::setAnswerIndex(active_ - 1);
    const std::u16string line = editText().substr(0, engine::kBlockTextLimit);
    engine::EquationBlock& current = activeBlock();
    ListChange change;
    if (mode == ExeMode::OnlyIfChanged && (line.empty() || line == current.text())) return change;

    const bool last = active_ == blocks_.count() - 1;
    if (mode == ExeMode::CommitOnly) {
        undo_.kind = UndoKind::Nothing;
        undo_.first.clear();
    } else if (!rpnDisplay_) {
        if (last) {
            undo_.kind = UndoKind::AppendedBlock;
            undo_.first = line;
        } else {
            undo_.kind = engine::changedBlockKind(active_);
            undo_.first = current.text();
        }
    }

    blocks_.execute(active_, line);
    change.done = true;
    change.firstEvaluated = active_;
    if (!last || mode == ExeMode::CommitOnly) {
        blocks_.evaluateBelow(active_);
        engine::setAnswerIndex(active_);
        change.belowEvaluated = true;
        return change;
    }

    const bool dropped = blocks_.appendEmpty();
    change.appended = 1;
    if (!keepExecutedActive) ++active_;
    if (dropped) {
        change.dropped = 1;
        change.firstEvaluated -= 1;
        active_ = std::max(active_ - 1, 0);
    }
    showActive();
    return change;
}

void WorkspaceDocument::restoreBlock(int k, const std::u16string& text) {
    blocks_.block(k).setText(text);
    blocks_.evaluate(k);
}

ListChange WorkspaceDocument::undo() {
    ListChange change;
    change.done = true;
    const UndoKind kind = undo_.kind;
    const int lastIndex = blocks_.count() - 1;
    switch (kind) {
    case UndoKind::Nothing:
        return change;
    case UndoKind::AppendedBlock:
        if (blocks_.count() >= 2) {
            const bool removedActive = active_ == lastIndex;
            blocks_.removeLast();
            change.removed = 1;
            if (removedActive) active_ = blocks_.count() - 1;
            engine::EquationBlock& executed = blocks_.block(blocks_.count() - 1);
            executed.clearText();
            executed.resetAnswer();
            if (active_ == blocks_.count() - 1) setEditText(undo_.first);
        }
        break;
    case UndoKind::RpnReplacedTwoAbove: {
        // EXE may overwrite the record: work from a copy.
        const engine::UndoRecord saved = undo_;
        const int previous = active_;
        if (active_ != lastIndex) setActive(lastIndex);
        const ListChange executed = exe(ExeMode::Normal);
        change.appended = executed.appended;
        change.dropped = executed.dropped;
        if (active_ >= 2) {
            restoreBlock(active_ - 2, saved.second);
            restoreBlock(active_ - 1, saved.first);
            change.firstEvaluated = active_ - 2;
        }
        if (active_ != lastIndex - executed.dropped + 1) setActive(previous - executed.dropped);
        break;
    }
    case UndoKind::RpnReplacedAbove:
        if (lastIndex >= 1) {
            restoreBlock(lastIndex - 1, undo_.first);
            change.firstEvaluated = lastIndex - 1;
        }
        break;
    case UndoKind::RpnReplacedAboveAndLast:
        if (lastIndex >= 1) {
            restoreBlock(lastIndex - 1, undo_.second);
            change.firstEvaluated = lastIndex - 1;
        }
        if (active_ == lastIndex) {
            setEditText(undo_.first);
        } else {
            restoreBlock(lastIndex, undo_.first);
            if (change.firstEvaluated < 0) change.firstEvaluated = lastIndex;
        }
        break;
    case UndoKind::RpnComposedEditLine:
        setEditText(undo_.first);
        break;
    case UndoKind::RpnSwappedAbove:
        if (lastIndex >= 2) {
            restoreBlock(lastIndex - 2, undo_.second);
            restoreBlock(lastIndex - 1, undo_.first);
            change.firstEvaluated = lastIndex - 2;
        }
        break;
    case UndoKind::EditLineChanged:
        showActive();
        return change;
    default:
        if (engine::isChangedBlock(kind)) {
            const int n = engine::changedBlockOf(kind);
            if (n < blocks_.count()) {
                blocks_.block(n).setText(undo_.first);
                if (n == active_) {
                    setEditText(undo_.first);
                } else {
                    blocks_.evaluate(n);
                    change.firstEvaluated = n;
                }
            }
        }
        break;
    }
    undo_.kind = UndoKind::Nothing;
    return change;
}

ListChange WorkspaceDocument::insertAt(int index) {
    const int before = blocks_.count();
    ListChange change;
    change.done = true;
    change.inserted = blocks_.insertAt(index);
    if (blocks_.count() == before) change.dropped = 1;
    setActive(change.inserted);
    return change;
}

ListChange WorkspaceDocument::dropFirst() {
    ListChange change;
    if (!blocks_.dropFirst()) return change;
    change.done = true;
    change.dropped = 1;
    setActive(std::max(active_ - 1, 0));
    return change;
}

ListChange WorkspaceDocument::evaluateAll() {
    blocks_.evaluateAll();
    ListChange change;
    change.done = true;
    change.firstEvaluated = 0;
    change.belowEvaluated = true;
    return change;
}

void WorkspaceDocument::clear() {
    blocks_.clear();
    active_ = 0;
    setEditText(u"");
    undo_ = engine::UndoRecord{};
}

void WorkspaceDocument::blocksReplaced() {
    undo_ = engine::UndoRecord{};
    setActive(0);
}

}  // namespace shell
