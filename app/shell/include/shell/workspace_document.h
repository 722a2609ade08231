// The document a front end edits: the Workspace's block list with its
// editing state, which is the active block, the edit line (an edit-control
// model, the handle key insertion writes into), the one-level undo record and
// the RPN display flag. It owns EXE and the other steps that move the active
// block, and tells the view what each step changed.
//
// The window and orvana-cli each hold one. Any number may exist: ANS reads
// the one whose block is being evaluated.
#ifndef ORVANA_SHELL_WORKSPACE_DOCUMENT_H
#define ORVANA_SHELL_WORKSPACE_DOCUMENT_H

#include <string>
#include <string_view>

#include "engine/block_list.h"
#include "engine/undo_record.h"
#include "platform/message_box.h"

namespace shell {

enum class ExeMode { Normal = 0, OnlyIfChanged = 1, CommitOnly = 2 };

// What one step did to the block list, for a view to redraw and scroll.
// Indices are those after the step.
struct ListChange {
    bool done = false;        // false: the step found nothing to do
    int firstEvaluated = -1;  // the first block evaluated again (the blocks
                              // after it too when `belowEvaluated`), -1 none
    bool belowEvaluated = false;
    int appended = 0;         // blocks added at the end
    int removed = 0;          // blocks removed from the end
    int dropped = 0;          // blocks dropped from the front
    int inserted = -1;        // where a block was inserted inside the list, -1 none
};

class WorkspaceDocument {
public:
    // One empty block, active; an empty edit line limited to 99 characters;
    // nothing to undo; the RPN display off.
    WorkspaceDocument();
    ~WorkspaceDocument();
    WorkspaceDocument(const WorkspaceDocument&) = delete;
    WorkspaceDocument& operator=(const WorkspaceDocument&) = delete;

    engine::BlockList& blocks() { return blocks_; }
    const engine::BlockList& blocks() const { return blocks_; }

    int active() const { return active_; }
    engine::EquationBlock& activeBlock() { return blocks_.block(active_); }
    // Makes block `index` (clamped to the list) active and puts its text into
    // the edit line.
    void setActive(int index);

    // The edit line: the model's handle, and its text.
    PlatformWindow editLine() const { return editLine_; }
    std::u16string editText() const;
    // Replaces the edit line's text (cut to 99 characters), caret at the end.
    void setEditText(std::u16string_view text);

    engine::UndoRecord& undoRecord() { return undo_; }
    const engine::UndoRecord& undoRecord() const { return undo_; }

    // While the RPN display is on, EXE leaves the undo record to RPN entry.
    bool rpnDisplay() const { return rpnDisplay_; }
    void setRpnDisplay(bool on) { rpnDisplay_ = on; }

    // EXE on the active block with the edit line's text: clears the abort
    // flag, records the undo step, stores and evaluates the text, then
    // evaluates the blocks below again, or (EXE on the last block, not
    // commit-only) appends a new block and makes it active. When
    // `keepExecutedActive` (the view found that the executed block and the
    // new one don't fit together) the executed block stays active so its
    // answer remains in view. Not done when mode OnlyIfChanged finds an
    // empty or unchanged line.
    ListChange exe(ExeMode mode, bool keepExecutedActive = false);
    // Takes back the step the undo record names. Afterwards the kind is
    // Nothing, except EditLineChanged, which stays.
    ListChange undo();
    // Insert Eqn.'s insertion: a new block at `index` becomes active.
    ListChange insertAt(int index);
    // Drops the first block (when at least two exist); the active index
    // follows its block.
    ListChange dropFirst();
    // Evaluates every block from the first (after a load, at start-up).
    ListChange evaluateAll();
    // One empty active block, an empty edit line, nothing to undo. The user
    // functions stay.
    void clear();
    // After a Workspace load replaced the blocks: the first block active,
    // nothing to undo.
    void blocksReplaced();

private:
    // Block k gets the text and is evaluated again on its own.
    void restoreBlock(int k, const std::u16string& text);
    void showActive();

    engine::BlockList blocks_;
    int active_ = 0;
    PlatformWindow editLine_ = nullptr;
    engine::UndoRecord undo_;
    bool rpnDisplay_ = false;
};

}  // namespace shell

#endif
