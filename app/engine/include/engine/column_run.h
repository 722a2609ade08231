// Evaluating a code list for a whole row of values of one variable at once,
// as the graph samples a block at every column. The list runs once with the
// variable holding the row and the element-wise flag on; this gives each
// element exactly what a run with the variable holding that element alone
// gives, as long as every token of the list treats each element as a scalar
// of its own. Lists with any other token are refused before anything runs,
// and the caller evaluates column by column.
#ifndef ORVANA_ENGINE_COLUMN_RUN_H
#define ORVANA_ENGINE_COLUMN_RUN_H

#include <cstdint>

#include "engine/status.h"
#include "keypad.h"
#include "lattix.h"

namespace engine {

// The optional entry a keypad library may export beside its eight: non-zero
// for an operator that, under the element-wise flag, gives each element of
// its operands what it gives that element as a lone scalar operand (the
// same operations in the same order) and touches nothing else. A library
// without it has its operators evaluated column by column.
inline constexpr const char* kColumnwiseEntryName = "KeypadColumnwise";
using KeypadColumnwiseFn = int32_t (*)(OperatorCode op);

// Whether every token of the list is known to work element by element:
// numbers, i, the variable itself, other variables holding a scalar, + - *
// /, unary minus, re and im, and library operators their library declares
// column-wise. Never with the evaluation flag's rounding on.
bool runsColumnwise(const Token* list, const Matrix* variable);

// Sets the variable to the 1 x count row of `values` and runs the list once
// with the element-wise flag on, its answer in `result` (a 1 x count row,
// or a scalar when the answer does not depend on the variable). Gives
// false, having run nothing, when runsColumnwise refuses the list or count
// is not 2 to 32767; otherwise true with the run's status in `status`.
bool runColumns(const Token* list, Matrix* variable, const double* values, int count,
                int32_t angleMode, Matrix* result, Status* status);

}  // namespace engine

#endif
