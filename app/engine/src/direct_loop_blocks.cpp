#include "direct_loop_blocks.h"

#include <array>
#include <string_view>

#include "engine/evaluator.h"
#include "engine/long_run.h"
#include "engine/scripts.h"
#include "engine/value_stack.h"
#include "engine/variables.h"
#include "engine_state_data.h"
#include "for_step.h"
#include "scalar_run.h"
#include "variable_read.h"

namespace engine {
namespace {

constinit bool& evaluating = theEngineState.evaluating;
constinit int& nesting = theEngineState.nesting;
constinit bool& directBlocks = theEngineState.directLoopBlocks;

struct Scalar {
    double re;
    double im;
};

// The value a FOR argument token pushes when it is a number or a variable
// holding a scalar; false for anything else. Reading a variable turns an
// empty one into 0, as the evaluator's push does.
bool argumentValue(const Token& t, Scalar& v) {
    if (t.code == code(Code::Numeral)) {
        v = {t.value, 0.0};
        return true;
    }
    if (t.code != code(Code::Variable)) return false;
    const Matrix* m = scalarHeldBy(readVariable(t));
    if (m == nullptr) return false;
    v = {m->re[0], m->im[0]};
    return true;
}

// Where the list's first push lands, as the evaluator sets the run up: a
// run from the bottom starts on the block slot holding 0, a nested one on
// its caller's top. False when the evaluator would refuse to start or
// `pushes` values would not fit.
bool listBase(int pushes, bool& fromBottom, int& base) {
    const int top = *stackTopAddress();
    if (top > kLastValueSlot || top < kFirstValueSlot - 1 || nesting >= kMaxNesting) return false;
    fromBottom = nesting == 0 && top <= kBlockStartTop;
    base = fromBottom ? kBlockStartTop : top;
    return base + pushes <= kLastValueSlot;
}

bool runFor(const Token* list, Matrix* answer, ScriptRunState& run) {
    if (list[0].code != code(Code::StringLiteral) || list[4].code != code(Code::For) ||
        list[5].code != 0)
        return false;
    std::array<Scalar, 3> args{};
    for (size_t i = 0; i < args.size(); ++i)
        if (!argumentValue(list[i + 1], args[i])) return false;
    const char16_t* text = tokenText(list[0]);
    if (text == nullptr) return false;
    const std::u16string_view name(text);
    if (name.empty() || name.size() > kVariableNameLimit) return false;
    const uint16_t ref = findVariable(name);
    if (ref == kNoVariable) return false;
    Matrix* k = variableAt(ref);
    const double start = args[0].re;
    const double step = args[1].re;
    const double end = args[2].re;
    if (k == nullptr || (!run.reentry && step == 0.0)) return false;
    bool fromBottom = false;
    int base = 0;
    if (!listBase(4, fromBottom, base)) return false;

    const LongRunWatch watch(nesting == 0);
    const ForStep next = forStep(*k, start, step, end, run.reentry);
    storeScalar(*k, next.value, 0.0);
    if (!next.goOn) run.next = jumpTarget(list[4]);
    // The stack as the list leaves it: the value where the name was, the
    // arguments above it.
    Matrix* stack = valueStack();
    if (fromBottom) storeScalar(stack[kBlockStartTop], 0.0, 0.0);
    storeScalar(stack[base + 1], next.value, 0.0);
    for (size_t i = 0; i < args.size(); ++i)
        storeScalar(stack[base + 2 + int(i)], args[i].re, args[i].im);
    storeScalar(*answer, next.value, 0.0);
    longRunTokens(5);
    return true;
}

bool runEnd(const Token* list, Matrix* answer, ScriptRunState& run) {
    if (list[1].code != 0) return false;
    bool fromBottom = false;
    int base = 0;
    if (!listBase(1, fromBottom, base)) return false;

    const LongRunWatch watch(nesting == 0);
    run.next = jumpTarget(list[0]);
    Matrix* stack = valueStack();
    if (fromBottom) storeScalar(stack[kBlockStartTop], 0.0, 0.0);
    storeScalar(stack[base + 1], list[0].value, 0.0);
    storeScalar(*answer, list[0].value, 0.0);
    longRunTokens(1);
    return true;
}

}  // namespace

bool runLoopBlockDirectly(const Token* list, Matrix* answer, ScriptRunState& run,
                          Status& status) {
    if (!directBlocks || list == nullptr || answer == nullptr || evaluating ||
        longRunStopPending())
        return false;
    bool ran = false;
    if (list[0].code == code(Code::EndBlock))
        ran = runEnd(list, answer, run);
    else if (list[0].code == code(Code::StringLiteral))
        ran = runFor(list, answer, run);
    if (ran) status = kOk;
    return ran;
}

void setDirectLoopBlocks(bool on) {
    directBlocks = on;
}

}  // namespace engine
