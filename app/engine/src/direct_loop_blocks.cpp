#include "direct_loop_blocks.h"

#include <string_view>

#include "engine/evaluator.h"
#include "engine/long_run.h"
#include "engine/scripts.h"
#include "engine/value_stack.h"
#include "engine/variables.h"
#include "engine_state_data.h"
#include "scalar_run.h"
#include "variable_read.h"

namespace engine {
namespace {

constinit bool& evaluating = theEngineState.evaluating;
constinit int& nesting = theEngineState.nesting;
constinit bool& directBlocks = theEngineState.directLoopBlocks;

// The value a FOR argument token pushes when it is a number or a variable
// holding a scalar; false for anything else. With `emptyToZero`, reading an
// empty variable turns it into 0, as the evaluator's push does; without, an
// empty one gives false and stays as it is.
bool argumentValue(const Token& t, bool emptyToZero, ScalarValue& v) {
    if (t.code == code(Code::Numeral)) {
        v = {t.value, 0.0};
        return true;
    }
    if (t.code != code(Code::Variable)) return false;
    const Matrix* m = nullptr;
    if (emptyToZero)
        m = scalarHeldBy(readVariable(t));
    else if (t.value >= 0.0 && t.value < 65536.0)
        m = scalarHeldBy(variableAt(uint16_t(t.value)));
    if (m == nullptr) return false;
    v = {m->re[0], m->im[0]};
    return true;
}

bool runFor(const Token* list, Matrix* answer, ScriptRunState& run) {
    if (!isPlainFor(list)) return false;
    Matrix* k = plainForVariable(list);
    ListBase at;
    if (k == nullptr || !listBase(4, at)) return false;
    ForArguments args;
    if (!plainForArguments(list, run.reentry, args)) return false;
    const LongRunWatch watch(nesting == 0);
    leavePlainFor(at, advancePlainFor(list, args, *k, run), args, answer);
    longRunTokens(kPlainForTokens);
    return true;
}

bool runEnd(const Token* list, Matrix* answer, ScriptRunState& run) {
    ListBase at;
    if (!isPlainEnd(list) || !listBase(1, at)) return false;
    const LongRunWatch watch(nesting == 0);
    advancePlainEnd(list, run);
    leavePlainEnd(list, at, answer);
    longRunTokens(1);
    return true;
}

}  // namespace

bool listBase(int pushes, ListBase& at) {
    const int top = *stackTopAddress();
    if (top > kLastValueSlot || top < kFirstValueSlot - 1 || nesting >= kMaxNesting) return false;
    at.fromBottom = nesting == 0 && top <= kBlockStartTop;
    at.base = at.fromBottom ? kBlockStartTop : top;
    return at.base + pushes <= kLastValueSlot;
}

Matrix* plainForVariable(const Token* list) {
    const char16_t* text = tokenText(list[0]);
    if (text == nullptr) return nullptr;
    const std::u16string_view name(text);
    if (name.empty() || name.size() > kVariableNameLimit) return nullptr;
    const uint16_t ref = findVariable(name);
    return ref == kNoVariable ? nullptr : variableAt(ref);
}

bool plainForArguments(const Token* list, bool reentry, ForArguments& args, bool emptyToZero) {
    for (size_t i = 0; i < args.values.size(); ++i)
        if (!argumentValue(list[i + 1], emptyToZero, args.values[i])) return false;
    return reentry || args.values[1].re != 0.0;
}

double advancePlainFor(const Token* list, const ForArguments& args, Matrix& k,
                       ScriptRunState& run) {
    const double start = args.values[0].re;
    const double step = args.values[1].re;
    const double end = args.values[2].re;
    const ForStep next = forStep(k, start, step, end, run.reentry);
    storeScalar(k, next.value, 0.0);
    if (!next.goOn) run.next = jumpTarget(list[4]);
    return next.value;
}

void leavePlainFor(ListBase at, double value, const ForArguments& args, Matrix* answer) {
    Matrix* stack = valueStack();
    if (at.fromBottom) storeScalar(stack[kBlockStartTop], 0.0, 0.0);
    storeScalar(stack[at.base + 1], value, 0.0);
    for (size_t i = 0; i < args.values.size(); ++i)
        storeScalar(stack[at.base + 2 + int(i)], args.values[i].re, args.values[i].im);
    storeScalar(*answer, value, 0.0);
}

void leavePlainEnd(const Token* list, ListBase at, Matrix* answer) {
    Matrix* stack = valueStack();
    if (at.fromBottom) storeScalar(stack[kBlockStartTop], 0.0, 0.0);
    storeScalar(stack[at.base + 1], list[0].value, 0.0);
    storeScalar(*answer, list[0].value, 0.0);
}

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
