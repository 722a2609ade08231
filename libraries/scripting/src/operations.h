// The scripting library's operators on the value stack, one routine per
// kind of operator; doOperation dispatches to them. Each follows the stack
// discipline of its operator class and returns 0 or an error code.
#ifndef ORVANA_SCRIPTING_OPERATIONS_H
#define ORVANA_SCRIPTING_OPERATIONS_H

#include <cstdint>

#include "keypad.h"

namespace scripting {

// One call of doOperation, as handed over by the main program.
struct Operation {
    OperatorCode op;
    bool degrees;
    bool elementwise;
    Matrix* stack;
    int16_t* top;
    const HostServices* services;

    Matrix& at(int offset) const { return stack[*top + offset]; }
};

// x_LT_y ... x_NE_y: 1 or 0 in the left operand's entry.
int32_t compare(const Operation& call);

// mod(x, y): the remainder of the first elements' real parts.
int32_t remainderOf(const Operation& call);
// frac, int and sign on every element of the top entry.
int32_t roundingHelper(const Operation& call);
// angle(x): x in the block's angle unit, x given in degrees.
int32_t angleOf(const Operation& call);

// isvar("name"): 0, 1 for a global, 2 for a local.
int32_t variableKind(const Operation& call);

// ASK with its count on top of the stack.
int32_t ask(const Operation& call);

// The fractional part of v with v's sign; a fraction within 1e-13 of a
// whole number in magnitude counts as 0.
double fractionOf(double v);

}  // namespace scripting

#endif
