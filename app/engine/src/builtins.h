// The built-in operators, grouped by theme, as applyBuiltin calls them. Each
// works on the frame's stack like a keypad library's doOperation: operands
// at the top, the result left in the slot of the first operand.
#ifndef ORVANA_ENGINE_BUILTINS_H
#define ORVANA_ENGINE_BUILTINS_H

#include <cstdint>

#include "engine/status.h"
#include "keypad.h"
#include "lattix.h"

namespace engine {

struct Frame {
    Matrix* stack;
    int16_t* top;
    int32_t angleMode;

    Matrix& at(int slot) const { return stack[slot]; }
    Matrix& x() const { return stack[*top]; }
    Matrix& y() const { return stack[*top - 1]; }
    void pop(int n = 1) const { *top = int16_t(*top - n); }
    // The slot a push overwrites; the caller then copies into it.
    Matrix& push() const {
        *top = int16_t(*top + 1);
        return stack[*top];
    }
};

// + - * / (through Lattix with the element-wise flag), unary minus, inv,
// det, T, rref, re, im, round.
Status applyArithmetic(uint32_t code, const Frame& f);
// I, zero, mat, matrix literals, range, the lone colon.
Status applyMatrixBuilding(uint32_t code, const Frame& f);
// Index lists, apply index, indexed variables and ANS[...].
Status applyIndexing(const Token& token, const Frame& f);
// Assignment into whole and part variables and strings.
Status applyAssignment(const Token& token, const Frame& f);
// ANS, ANS(n), an answer as text.
Status applyAnswer(const Token& token, const Frame& f);
// The current answer, or null when the answer index names no block.
const Matrix* currentAnswer();
// eval and user functions: the built-ins that run lists of their own.
Status applyEval(const Frame& f);
Status applyUserFunction(uint32_t code, const Frame& f);

// The variable of a token's reference; a variable without a value becomes
// the scalar 0 first. Null for a reference that names nothing.
Matrix* variableOfToken(const Token& token);

}  // namespace engine

#endif
