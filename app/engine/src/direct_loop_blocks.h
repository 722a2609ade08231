// Running a script's FOR and END blocks without the evaluator when their
// lists are the plain forms: FOR("name", a, b, c) with each argument a number
// or a variable holding a scalar, and END alone.
#ifndef ORVANA_ENGINE_DIRECT_LOOP_BLOCKS_H
#define ORVANA_ENGINE_DIRECT_LOOP_BLOCKS_H

#include "engine/code_list.h"
#include "engine/status.h"
#include "lattix.h"
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

}  // namespace engine

#endif
