#include "direct_loop.h"

#include "direct_loop_blocks.h"
#include "engine/answer_index.h"
#include "engine/long_run.h"
#include "engine/value_stack.h"
#include "engine_state_data.h"
#include "for_step.h"
#include "scalar_program.h"

namespace engine {
namespace {

constinit bool& evaluating = theEngineState.evaluating;
constinit bool& directBlocks = theEngineState.directLoopBlocks;

// Whether a block runs its list when the runner comes to it: compiled and
// not a comment. A block that failed on an unknown name may compile once an
// earlier block has made the variable, so it is not ready yet; the others
// stay as they are.
DirectLoop readiness(const EquationBlock& block) {
    const uint16_t s = block.status();
    if (block.compileFailed() && s == kUnrecognizedSymbol) return DirectLoop::NotNow;
    if (block.parsed() == nullptr || block.answer() == nullptr || block.compileFailed() ||
        s == kCommentLine)
        return DirectLoop::NotPlain;
    return DirectLoop::Ran;
}

// One run of the loop, from its FOR block until the loop ends or something
// sends the blocks back to the runner.
//
// Within the run nothing reads a block's answer, status, the answer index or
// the stack slots a finished list left (a later list only reads slots it
// pushed itself), so these are written when somebody may look: before the
// pointer is polled (a tap check, the long run's clock) and when the run
// ends. The variables are written as each block runs, since the next blocks
// read them. Each block's latest run is kept and written in the order the
// blocks ran, so every slot ends with the value its last writer gave it.
class Loop {
public:
    Loop(const LoopBlocks& blocks, ScriptRunState& run, TapCheck& taps)
        : blocks_(blocks), run_(run), taps_(taps) {}

    DirectLoop prepare();
    // Whether the FOR block can run now: its arguments scalars, its step not
    // zero on entry. They are read before the tap check of the FOR's next
    // run, so an empty variable is left for the evaluator.
    bool enters(bool reentry) { return plainForArguments(forList_, reentry, args_, false); }
    void go(int& last);

private:
    EquationBlock& block(int offset) const { return *blocks_.blocks[size_t(offset)]; }
    // The block at `offset` ran in full (its tokens not yet counted).
    void ran(int offset) {
        pending_[size_t(offset)] = true;
        last_ = offset;
    }
    // Counts a block's tokens: false when a stop is now pending.
    bool count(uint32_t tokens) {
        if (longRunTokensReachClock(tokens)) flush();
        return !longRunTokens(tokens);
    }
    // The tap check before the block at `offset`: false when it stopped the
    // scripts.
    bool tapCheck(int offset) {
        if (taps_.pollsNext()) flush();
        return !taps_.stops(blocks_.first + offset + 1);
    }
    void leave(int offset);
    void flush();

    const LoopBlocks& blocks_;
    ScriptRunState& run_;
    TapCheck& taps_;
    const Token* forList_ = nullptr;
    const Token* endList_ = nullptr;
    int end_ = 0;  // the END block's offset
    Matrix* variable_ = nullptr;
    ForArguments args_;  // as the FOR block about to run reads them
    ListBase at_;
    std::array<ScalarProgram, kMaxDirectLoopBlocks - 2> bodies_;
    // The bodies' working values by stack slot, written before they are read.
    std::array<double, kStackSlots> re_;
    std::array<double, kStackSlots> im_;
    // The FOR block's latest run.
    double forValue_ = 0.0;
    ForArguments forArguments_;
    std::array<bool, kMaxDirectLoopBlocks> pending_{};  // ran since the last flush
    int last_ = -1;                                     // the block run last
};

DirectLoop Loop::prepare() {
    const LoopBlocks& b = blocks_;
    if (b.count < 2 || b.count > kMaxDirectLoopBlocks) return DirectLoop::NotPlain;
    for (int i = 0; i < b.count; ++i)
        if (const DirectLoop r = readiness(block(i)); r != DirectLoop::Ran) return r;
    end_ = b.count - 1;
    forList_ = block(0).parsed();
    endList_ = block(end_).parsed();
    if (plainForExit(forList_) != b.first + b.count || !isPlainEnd(endList_) ||
        jumpTarget(endList_[0]) != b.first)
        return DirectLoop::NotPlain;
    for (int i = 1; i <= 3; ++i)
        if (forList_[i].code != code(Code::Numeral) && forList_[i].code != code(Code::Variable))
            return DirectLoop::NotPlain;
    if (!listBase(4, at_)) return DirectLoop::NotNow;
    variable_ = plainForVariable(forList_);
    if (variable_ == nullptr) return DirectLoop::NotNow;
    for (int i = 1; i < end_; ++i)
        if (!bodies_[size_t(i - 1)].decode(block(i).parsed(), at_)) return DirectLoop::NotPlain;
    return DirectLoop::Ran;
}

void Loop::leave(int offset) {
    if (!pending_[size_t(offset)]) return;
    pending_[size_t(offset)] = false;
    EquationBlock& b = block(offset);
    if (offset == 0)
        leavePlainFor(at_, forValue_, forArguments_, b.answer());
    else if (offset == end_)
        leavePlainEnd(endList_, at_, b.answer());
    else
        bodies_[size_t(offset - 1)].leave(valueStack(), *b.answer());
    if (blocks_.keepsStatus) b.setStatus(kOk);
}

void Loop::flush() {
    if (last_ < 0) return;
    for (int offset = last_ + 1; offset <= end_; ++offset) leave(offset);
    for (int offset = 0; offset <= last_; ++offset) leave(offset);
    setAnswerIndex(blocks_.first + last_);
}

// Each way out leaves run_.next where the runner goes on after the block run
// last; the block it names has not begun (no tap check, nothing written).
void Loop::go(int& last) {
    const int first = blocks_.first;
    for (;;) {
        // FOR, its arguments read and its tap check made.
        run_.next = first + 1;
        forValue_ = advancePlainFor(forList_, args_, *variable_, run_);
        forArguments_ = args_;
        ran(0);
        if (!count(kPlainForTokens) || run_.next != first + 1) break;
        bool stopped = false;
        for (int i = 1; i < end_ && !stopped; ++i) {
            ScalarProgram& body = bodies_[size_t(i - 1)];
            if (!body.run(re_.data(), im_.data()) || !tapCheck(i)) {
                run_.next = first + i;
                stopped = true;
                break;
            }
            run_.next = first + i + 1;
            body.commit(re_.data(), im_.data());
            ran(i);
            stopped = !count(body.tokens());
        }
        if (stopped) break;
        if (!tapCheck(end_)) {
            run_.next = first + end_;
            break;
        }
        advancePlainEnd(endList_, run_);
        ran(end_);
        if (!count(1)) break;
        // Back to the FOR block, as the runner goes back.
        run_.reentry = true;
        if (!enters(true) || !tapCheck(0)) break;
    }
    flush();
    last = first + last_;
}

}  // namespace

bool loopsMayRunDirectly(const ScriptRunState& run) {
    // The blocks' own runs would each be bracketed inside the run that is
    // open; without one, or with anything that changes how lists run, the
    // blocks run one by one.
    return directBlocks && !evaluating && !longRunStopPending() && longRunOpen() &&
           run.graph == nullptr;
}

DirectLoop runLoopDirectly(const LoopBlocks& blocks, ScriptRunState& run, TapCheck& taps,
                           int& last) {
    if (!loopsMayRunDirectly(run)) return DirectLoop::NotNow;
    Loop loop(blocks, run, taps);
    if (const DirectLoop ready = loop.prepare(); ready != DirectLoop::Ran) return ready;
    if (!loop.enters(run.reentry)) return DirectLoop::NotNow;
    loop.go(last);
    return DirectLoop::Ran;
}

}  // namespace engine
