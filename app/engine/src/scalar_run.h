// Running a code list of scalar arithmetic without the value stack's
// matrices: numbers, i, variables holding scalars, + - * /, unary minus and
// a final whole-variable assignment work on plain complex values, and only
// the values left at the end are written to the stack.
#ifndef ORVANA_ENGINE_SCALAR_RUN_H
#define ORVANA_ENGINE_SCALAR_RUN_H

#include <cstdint>

#include "engine/code_list.h"
#include "engine/status.h"
#include "keypad.h"
#include "lattix.h"

namespace engine {

// m becomes the scalar re + im i, as copyValMatrix makes it, written
// directly when m has room.
inline void storeScalar(Matrix& m, double re, double im) {
    if (m.capacity == 0 || m.re == nullptr) {
        copyValMatrix(&m, re, im);
        return;
    }
    m.rows = m.cols = 1;
    m.kind = LATTIX_KIND_SCALAR;
    m.re[0] = re;
    m.im[0] = im;
}

// Numbers, i, + - * /, unary minus and the element-wise marker: the codes
// that treat each operand as a complex scalar of its own.
bool isScalarArithmetic(uint32_t code);

// y times x as the matrix arithmetic forms it for two 1 x 1 values: real
// operands give a real product, others the full complex one.
inline void scalarProduct(double yRe, double yIm, double xRe, double xIm, double& re, double& im) {
    if (yIm == 0.0 && xIm == 0.0) {
        re = yRe * xRe;
        im = 0.0;
        return;
    }
    re = yRe * xRe - yIm * xIm;
    im = yRe * xIm + yIm * xRe;
}

struct ScalarValue {
    double re;
    double im;
};

// y op x for + - * / (`op` one of the four codes) as the matrix arithmetic
// forms it for two 1 x 1 values; false, with z unset, for a quotient left to
// the matrix arithmetic (a complex or zero divisor, a complex dividend).
inline bool combineScalars(uint32_t op, ScalarValue y, ScalarValue x, ScalarValue& z) {
    switch (op) {
        case code(Code::Add): z = {y.re + x.re, y.im + x.im}; return true;
        case code(Code::Subtract): z = {y.re - x.re, y.im - x.im}; return true;
        case code(Code::Multiply): scalarProduct(y.re, y.im, x.re, x.im, z.re, z.im); return true;
        default:
            if (y.im != 0.0 || x.im != 0.0 || x.re == 0.0) return false;
            z = {y.re / x.re, 0.0};
            return true;
    }
}

// Runs the list from the current top as the evaluator's loop would, giving
// the same values, top index and status, as long as every
// token is scalar arithmetic (or a final whole-variable assignment), every
// operand turns out to be a scalar, no division is by zero or complex and
// the stack stays within [lowestRead, last value slot]. Gives true when it
// ran the list (status kOk; its tokens are counted towards the long run
// together once it has run, and a stop seen then is left for the next list); false
// when it met anything else, having changed nothing (but turned empty
// variables it read into 0, as reading them does); the caller's loop then
// runs the list and counts its tokens.
bool runScalarList(const Token* list, Matrix* stack, int16_t* top, int lowestRead,
                   Status& status);

}  // namespace engine

#endif
