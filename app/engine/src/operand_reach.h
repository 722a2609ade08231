// How far below the top of the stack one token of a code list reads, worked
// out before the token runs, so that a run can refuse an operator that is
// short of operands instead of letting it read and overwrite values that
// belong to whoever called the run.
#ifndef ORVANA_ENGINE_OPERAND_REACH_H
#define ORVANA_ENGINE_OPERAND_REACH_H

#include <cstdint>

#include "keypad.h"
#include "lattix.h"

namespace engine {

// The number of slots below the top the token reads: 0 for an operator of
// the top value alone, 1 for a binary operator, n for an argument count n
// on top, and so on; -1 for a token that only pushes. `top` is the index of
// the top value in `stack`.
int64_t operandReach(const Token& token, const Matrix* stack, int16_t top);

}  // namespace engine

#endif
