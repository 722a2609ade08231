// The arithmetic and linear-algebra built-ins: Lattix does the work, this
// file only picks the operands and keeps the stack discipline.
#include <algorithm>

#include "builtins.h"
#include "engine/code_list.h"
#include "engine/evaluator.h"
#include "engine/round_significant.h"
#include "operands.h"

namespace engine {
namespace {

using BinaryOp = uint16_t (*)(Matrix*, Matrix*, int);

Status binary(BinaryOp op, const Frame& f) {
    const Status s = op(&f.y(), &f.x(), elementwiseFlag() ? 1 : 0);
    // The operand is gone whether or not Lattix accepted it.
    f.pop();
    return s;
}

void negate(Matrix& m) {
    const int64_t n = elementCount(m);
    for (int64_t i = 0; i < n; ++i) {
        m.re[i] = -m.re[i];
        m.im[i] = -m.im[i];
    }
}

void keepRealPart(Matrix& m) {
    const int64_t n = elementCount(m);
    for (int64_t i = 0; i < n; ++i) m.im[i] = 0.0;
}

void keepImaginaryPart(Matrix& m) {
    const int64_t n = elementCount(m);
    for (int64_t i = 0; i < n; ++i) {
        m.re[i] = m.im[i];
        m.im[i] = 0.0;
    }
}

Status determinant(Matrix& m) {
    double re = 0.0;
    double im = 0.0;
    const Status s = detMatrix(&m, &re, &im);
    if (s == kOk) copyValMatrix(&m, re, im);
    return s;
}

Status roundValue(const Frame& f) {
    const Matrix& digits = f.x();
    Matrix& value = f.y();
    f.pop();
    if (isString(value) || isString(digits)) return kInvalidParameter;
    const std::optional<int64_t> d = truncatedFirst(digits);
    if (!d) return kInvalidParameter;
    // Far beyond the 17 digits a double has, so clamping changes nothing.
    roundSignificant(&value, int(std::clamp<int64_t>(*d, -1000, 1000)));
    return kOk;
}

}  // namespace

Status applyArithmetic(uint32_t c, const Frame& f) {
    switch (Code(c)) {
        case Code::Add: return binary(addMatrix, f);
        case Code::Subtract: return binary(subMatrix, f);
        case Code::Multiply: return binary(multMatrix, f);
        case Code::Divide: return binary(divMatrix, f);
        case Code::Negate:
        case Code::NegatePower: negate(f.x()); return kOk;
        case Code::Inverse: return invMatrix(&f.x());
        case Code::Determinant: return determinant(f.x());
        case Code::Transpose: return transMatrix(&f.x());
        case Code::ReducedEchelon: return rrefMatrix(&f.x());
        case Code::RealPart: keepRealPart(f.x()); return kOk;
        case Code::ImaginaryPart: keepImaginaryPart(f.x()); return kOk;
        case Code::Round: return roundValue(f);
        default: return kOk;
    }
}

}  // namespace engine
