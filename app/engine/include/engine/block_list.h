// The Workspace's list of equation blocks and the operations both front ends
// share: executing the active block (EXE) with the recalculation of the
// blocks below it, evaluating everything, inserting and dropping blocks, the
// one level of undo that EXE records, and the user functions, which are named
// blocks of their own.
#ifndef ORVANA_ENGINE_BLOCK_LIST_H
#define ORVANA_ENGINE_BLOCK_LIST_H

#include <cstdint>
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/answer_source.h"
#include "engine/equation_block.h"
#include "engine/user_functions.h"

namespace engine {

inline constexpr int kMaxBlocksAfterExe = 101;
inline constexpr int kInsertLimit = 100;

enum class ExeMode { Normal = 0, OnlyIfChanged = 1, CommitOnly = 2 };

// The one level of undo. Kind 0 nothing, 1 EXE appended a block, -1 - n EXE
// changed the text of block n; kinds 2, 3, 4 and 6 belong to RPN entry and
// key insertion.
struct UndoRecord {
    int16_t kind = 0;
    std::u16string first;
    std::u16string second;
};

// The list answers ANS and its relatives for the evaluator while it lives (the
// most recently created list does).
class BlockList : public AnswerSource {
public:
    // One empty block, active.
    BlockList();
    ~BlockList() override;
    BlockList(const BlockList&) = delete;
    BlockList& operator=(const BlockList&) = delete;

    int count() const { return int(blocks_.size()); }
    int active() const { return active_; }
    EquationBlock& block(int index) { return *blocks_[index]; }
    const EquationBlock& block(int index) const { return *blocks_[index]; }
    EquationBlock& activeBlock() { return *blocks_[active_]; }
    void setActive(int index);

    // The edit line of the active block.
    const std::u16string& editLine() const { return editLine_; }
    void setEditLine(std::u16string_view text) { editLine_ = std::u16string(text); }

    // EXE on the active block with the edit line's text. `keepExecutedActive`
    // is the shell's layout decision for EXE on the last block: when the
    // executed block and the new one don't fit together, the executed block
    // stays active so its answer remains in view. Returns false when mode
    // OnlyIfChanged found nothing to do.
    bool exe(ExeMode mode, bool keepExecutedActive = false);
    // Evaluates every block from the first, the answer index following along.
    void evaluateAll();
    // A new block at `index` (0..count), as Insert Eqn. does: beyond 100
    // blocks the first one makes room. The new block becomes active.
    void insertAt(int index);
    // Drops block 0 when at least two blocks exist.
    void dropFirst();
    // Removes block `index` when at least two blocks exist; the active index
    // keeps naming the same block, or the one that took its place.
    void removeAt(int index);
    // Blocks a and b change places with everything they hold.
    void swapBlocks(int a, int b);
    // Evaluates block k as EXE does: the answer index on the block above it
    // while it runs, then on k.
    void evaluateAt(int k);
    // Replaces every block by one empty block.
    void clear();
    // Appends a block with this text (compiled, not evaluated), as loading a
    // Workspace does.
    EquationBlock& append(std::u16string_view text);

    UndoRecord& undoRecord() { return undo_; }
    // Undoes what EXE recorded (kinds 0, 1 and -1 - n); false for a kind that
    // another component records.
    bool undo();

    // RPN display: while it is on EXE leaves the undo record to RPN entry.
    void setRpnDisplay(bool on) { rpnDisplay_ = on; }
    bool rpnDisplay() const { return rpnDisplay_; }

    // User functions. A name of letters only, at most 29 of them, that is no
    // keyword; 0 to 3 parameters. Defining a name again replaces it. Returns 0
    // or the status of the failure (4 for a bad name or count, 7 for a text
    // that is too long, or the text's compile code).
    // A function keeps its slot for as long as it exists, so compiled lines
    // that call it keep calling it; removing one leaves its slot empty.
    uint16_t defineFunction(std::u16string_view name, int parameters, std::u16string_view text);
    bool removeFunction(std::u16string_view name);
    // Puts a function read from a Workspace file into its slot as it was
    // stored: name, flags word and text, the text compiled again and its
    // compile code kept as the block's status (a text that no longer compiles
    // is kept, as any block's is). False for a slot outside the table or in
    // use, or an empty name.
    bool restoreFunction(int slot, std::u16string_view name, uint32_t flags,
                         std::u16string_view text);
    // The function block in a slot (0..29), or null.
    const EquationBlock* function(int slot) const;
    void clearFunctions();

    // AnswerSource: the answer of block k, or null for an index outside the
    // list; a user function's answer lives in its block.
    int blockCount() const override { return count(); }
    const Matrix* answerOf(int k) const override;
    Matrix* functionAnswer(const UserFunction& function) override;

private:
    // Evaluates block k as a block of its own: on an empty value stack.
    void evaluateBlock(int k);
    void evaluateBelow(int index);
    void publishFunction(int slot);

    std::vector<std::unique_ptr<EquationBlock>> blocks_;
    std::array<std::unique_ptr<EquationBlock>, kUserFunctionSlots> functions_;
    int active_ = 0;
    std::u16string editLine_;
    UndoRecord undo_;
    bool rpnDisplay_ = false;
};

}  // namespace engine

#endif
