// Running a script's whole plain loop without the evaluator: a plain FOR
// block, blocks of scalar arithmetic (each at most ending in an assignment to
// a whole variable), and the FOR's plain END. Every block still leaves what
// its own run leaves, in the same order: the tap check before it, its
// answer, status, stack slots and variable, the answer index, the jump and
// its tokens in the long run's count. Whatever the loop cannot do that way
// (a variable not holding a scalar, a quotient for the matrix arithmetic, a
// stop met by the token count, a tap) ends the direct run between two
// blocks, and the script's runner goes on from there block by block.
#ifndef ORVANA_ENGINE_DIRECT_LOOP_H
#define ORVANA_ENGINE_DIRECT_LOOP_H

#include <array>
#include <cstdint>

#include "engine/equation_block.h"
#include "script_run_state.h"
#include "tap_check.h"

namespace engine {

// The most blocks, FOR and END included, a loop run this way may have.
inline constexpr int kMaxDirectLoopBlocks = 16;

// The blocks of one loop as the runner hands them over.
struct LoopBlocks {
    // The FOR block first, its END last; only the first `count` are set.
    std::array<EquationBlock*, kMaxDirectLoopBlocks> blocks;
    int first = 0;                                              // the FOR block's index
    int count = 0;
    bool keepsStatus = false;  // the blocks keep their statuses (Run from here)
};

enum class DirectLoop {
    NotPlain,  // not a loop of this form; it stays so for the rest of the run
    NotNow,    // the FOR block is left to run on its own this time
    Ran,       // blocks ran; `last` is the last one run in full
};

// Whether a loop may run directly at all now (direct loop blocks on, no
// evaluation flag, no stop pending, a run open, not graphing): a cheap test
// before the loop's blocks are gathered.
bool loopsMayRunDirectly(const ScriptRunState& run);

// Runs the loop whose FOR block (`blocks.first`) is about to run, its tap
// check made, with `run` as the runner left it for that block. When it ran,
// `run.next` is where the runner goes on after block `last`, as after any
// block; a tap that stopped the scripts has set the abort flag.
DirectLoop runLoopDirectly(const LoopBlocks& blocks, ScriptRunState& run, TapCheck& taps,
                           int& last);

// The FOR blocks of one run found not to be plain loops, so that each pass
// over them does not look again.
class DeclinedLoops {
public:
    bool has(int block) const {
        for (int i = 0; i < count_; ++i)
            if (blocks_[size_t(i)] == block) return true;
        return false;
    }
    void add(int block) {
        if (count_ < int(blocks_.size())) blocks_[size_t(count_++)] = block;
    }

private:
    std::array<int, 8> blocks_{};
    int count_ = 0;
};

}  // namespace engine

#endif
