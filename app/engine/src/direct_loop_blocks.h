// Running a script's FOR and END blocks without the evaluator when their
// lists are the plain forms: FOR("name", a, b, c) with each argument a number
// or a variable holding a scalar, and END alone.
#ifndef ORVANA_ENGINE_DIRECT_LOOP_BLOCKS_H
#define ORVANA_ENGINE_DIRECT_LOOP_BLOCKS_H

#include <array>

#include "engine/code_list.h"
#include "engine/status.h"
#include "for_step.h"
#include "lattix.h"
#include "scalar_run.h"
#include "script_run_state.h"

namespace engine {

// Runs the list as runCode would run it inside the script `run`: the same
// variable value, jump, answer (written to `answer`), stack slots, status
// and token count towards the long run. Gives false, having changed nothing
// the evaluator would not change the same way, when the list is not one of
// the plain forms or would not run to kOk (a zero step on entry, a name not
// yet a variable, a stop pending, the evaluation flag on, a stack too
// full): the caller then evaluates the list.
bool runLoopBlockDirectly(const Token* list, Matrix* answer, ScriptRunState& run,
                          Status& status);

// The pieces of those runs, for running a whole loop at once (direct_loop).

// Where a list's pushes land, as the evaluator sets a run up at the current
// top: a run from the bottom starts on the block slot holding 0, a nested
// one on its caller's top.
struct ListBase {
    bool fromBottom = false;
    int base = 0;  // the slot below the list's first push
};

// False when the evaluator would refuse to start a list here or `pushes`
// values would not fit.
bool listBase(int pushes, ListBase& at);

// Whether `list` is a plain FOR: a name, three arguments and FOR.
inline bool isPlainFor(const Token* list) {
    return list != nullptr && list[0].code == code(Code::StringLiteral) && list[1].code != 0 &&
           list[2].code != 0 && list[3].code != 0 && list[4].code == code(Code::For) &&
           list[5].code == 0;
}

// The block a plain FOR list leaves its loop for (the one after its END);
// -1 when the list is not a plain FOR.
inline int plainForExit(const Token* list) {
    return isPlainFor(list) ? jumpTarget(list[4]) : -1;
}

// The variable a plain FOR list counts with; null when its name is not (yet)
// a variable.
Matrix* plainForVariable(const Token* list);

// A plain FOR list's three arguments as its tokens push them.
struct ForArguments {
    std::array<ScalarValue, 3> values{};  // start, step, end
};

// Reads the arguments of the plain FOR `list`; false when one is not a
// number or a variable holding a scalar or, on entry (not a re-entry), the
// step is zero: the evaluator then runs the block. An empty variable becomes
// 0, as pushing it does; without `emptyToZero` it gives false and stays
// empty, so that reading the arguments before the block's tap check changes
// nothing.
bool plainForArguments(const Token* list, bool reentry, ForArguments& args,
                       bool emptyToZero = true);

// The FOR's own step: its variable `k` takes the next value (the start on
// entry) and, past the end, the script leaves the loop. Gives the value.
double advancePlainFor(const Token* list, const ForArguments& args, Matrix& k,
                       ScriptRunState& run);

// What the plain FOR list leaves with its pushes above `at`: the stack slots
// (the value where the name was, the arguments above it) and the answer.
void leavePlainFor(ListBase at, double value, const ForArguments& args, Matrix* answer);

// A plain END list's step: the script goes back to its loop's test.
inline void advancePlainEnd(const Token* list, ScriptRunState& run) {
    run.next = jumpTarget(list[0]);
}

// What a plain END list leaves: its target pushed, and as the answer.
void leavePlainEnd(const Token* list, ListBase at, Matrix* answer);

// Whether `list` is a plain END.
inline bool isPlainEnd(const Token* list) {
    return list != nullptr && list[0].code == code(Code::EndBlock) && list[1].code == 0;
}

// Tokens in a plain FOR list (without its end).
inline constexpr uint32_t kPlainForTokens = 5;

}  // namespace engine

#endif
