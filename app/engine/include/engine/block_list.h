// The Workspace's list of equation blocks and the block operations both front
// ends share: evaluating a block, the recalculation of the blocks below it,
// evaluating everything, appending, inserting and dropping blocks, and the
// user functions, which are named blocks of their own. Which block is active,
// the edit line and the undo record belong to the shell's document, which
// drives EXE through these operations.
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

// The list answers ANS and its relatives for the evaluator while one of its
// blocks evaluates (it installs itself as the answer source for that time).
class BlockList : public AnswerSource {
public:
    // One empty block.
    BlockList();
    ~BlockList() override;
    BlockList(const BlockList&) = delete;
    BlockList& operator=(const BlockList&) = delete;

    int count() const { return int(blocks_.size()); }
    EquationBlock& block(int index) { return *blocks_[index]; }
    const EquationBlock& block(int index) const { return *blocks_[index]; }

    // Evaluates block k as a block of its own: on an empty value stack, with
    // this list answering ANS.
    void evaluate(int k);
    // The store-and-evaluate step of EXE: the answer index at k - 1, block k
    // gets the text and is evaluated, the answer index moves to k.
    void execute(int k, std::u16string_view text);
    // Evaluates every block after `index` in order, the answer index
    // following along (it is left at the last block).
    void evaluateBelow(int index);
    // Evaluates every block from the first, the answer index following along.
    void evaluateAll();
    // Appends an empty block that takes the angle mode of the block above,
    // as EXE on the last block does; past 101 blocks the first one is
    // dropped, and true is returned.
    bool appendEmpty();
    // A new empty block at `index` (clamped to 0..count), as Insert Eqn. does:
    // with 100 blocks or more the first one makes room. The new block takes
    // the angle mode of the block above it. Returns where the new block is.
    int insertAt(int index);
    // Drops block 0 when at least two blocks exist; false otherwise.
    bool dropFirst();
    // Removes the last block when at least two exist; false otherwise.
    bool removeLast();
    // Blocks a and b change places with everything they hold.
    void swapBlocks(int a, int b);
    // Replaces every block by one empty block.
    void clear();
    // Removes block `index` when at least two blocks exist; false otherwise.
    bool remove(int index);
    // Removes every block after `index`, or every block before it.
    void removeAfter(int index);
    void removeBefore(int index);
    // Puts `block` in place of block `index`.
    void replace(int index, std::unique_ptr<EquationBlock> block);
    // Appends a block with this text (compiled, not evaluated), as loading a
    // Workspace does.
    EquationBlock& append(std::u16string_view text);

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
    void publishFunction(int slot);

    std::vector<std::unique_ptr<EquationBlock>> blocks_;
    std::array<std::unique_ptr<EquationBlock>, kUserFunctionSlots> functions_;
};

}  // namespace engine

#endif
