// One level of undo, by the kind of the last change: EXE (kinds 1 and
// -1 - n), RPN operations (2, 3, 4) and a key that changed the edit line (6).
#include "engine/answer_index.h"
#include "shell/commands.h"

namespace shell {
namespace {

enum UndoKind : int16_t {
    kNothing = 0,
    kExeAppended = 1,
    kRpnReplacedTwoAbove = 2,
    kRpnReplacedAbove = 3,
    kRpnReplacedAboveAndLast = 4,
    kEditLineChanged = 6,
};

// Block k takes the text again and is evaluated with ANS pointing above it.
void restoreBlock(engine::BlockList& blocks, int k, const std::u16string& text) {
    if (k < 0 || k >= blocks.count()) return;
    engine::EquationBlock& block = blocks.block(k);
    block.setText(text);
    engine::setAnswerIndex(k - 1);
    block.evaluate();
    engine::setAnswerIndex(k);
}

void undoTwoAbove(ShellState& state, const engine::UndoRecord& record) {
    engine::BlockList& blocks = state.blocks;
    const int previous = blocks.active();
    const int last = blocks.count() - 1;
    blocks.setActive(last);
    state.view.exe(blocks, engine::ExeMode::Normal);
    const int now = blocks.active();
    restoreBlock(blocks, now - 2, record.second);
    restoreBlock(blocks, now - 1, record.first);
    if (now != last + 1) blocks.setActive(previous);
}

void undoAboveAndLast(ShellState& state, const engine::UndoRecord& record) {
    engine::BlockList& blocks = state.blocks;
    const int last = blocks.count() - 1;
    restoreBlock(blocks, last - 1, record.second);
    if (blocks.active() == last)
        blocks.setEditLine(record.first);
    else
        restoreBlock(blocks, last, record.first);
}

}  // namespace

void undoLastChange(ShellState& state) {
    engine::BlockList& blocks = state.blocks;
    // A copy: EXE inside an undo may write the record.
    const engine::UndoRecord record = blocks.undoRecord();
    switch (record.kind) {
    case kNothing: return;
    case kEditLineChanged:
        // The kind stays set: undoing again changes nothing more.
        blocks.setEditLine(blocks.activeBlock().text());
        return;
    case kRpnReplacedTwoAbove: undoTwoAbove(state, record); break;
    case kRpnReplacedAbove: restoreBlock(blocks, blocks.count() - 2, record.first); break;
    case kRpnReplacedAboveAndLast: undoAboveAndLast(state, record); break;
    default:
        // EXE's own kinds: 1 and -1 - n.
        blocks.undo();
        break;
    }
    blocks.undoRecord().kind = kNothing;
    state.view.setFirstVisible(blocks, state.view.firstVisible());
    state.pending.updateScrollBar = true;
}

}  // namespace shell
