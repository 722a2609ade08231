// doOperation of the Hexadecimal library: bitwise operators and shifts on
// the 32-bit unsigned integers the operands' real parts stand for.
#include <cmath>
#include <cstddef>

#include "hexadecimal_codes.h"

namespace hexadecimal {
namespace {

size_t elementCount(const Matrix& m) {
    return size_t(m.rows) * size_t(m.cols);
}

// A double to 32 bits: the fraction is discarded and the integer taken
// modulo 2^32, so -1 is 0xFFFFFFFF. Values with no integer meaning (NaN,
// infinities, magnitudes of 2^63 and more) give 0.
uint32_t toBits(double v) {
    const double whole = std::trunc(v);
    if (!(std::fabs(whole) < 9223372036854775808.0)) return 0;
    return static_cast<uint32_t>(static_cast<uint64_t>(static_cast<int64_t>(whole)));
}

double fromBits(uint32_t u) {
    return static_cast<double>(u);
}

uint32_t shifted(uint32_t value, uint32_t count, bool left) {
    const uint32_t s = count % 256;
    if (s >= 32) return 0;
    return left ? value << s : value >> s;
}

uint32_t combine(OperatorCode op, uint32_t x, uint32_t y) {
    switch (op) {
        case kAnd:
            return x & y;
        case kOr:
            return x | y;
        case kXor:
            return x ^ y;
        case kShiftRight:
            return shifted(x, y, false);
        default:
            return shifted(x, y, true);
    }
}

// NOT takes only its own operand: the value below it belongs to someone
// else and must neither decide the outcome nor be reshaped.
int32_t complement(Matrix& x, bool elementwise) {
    size_t n = 1;
    if (elementwise) {
        n = elementCount(x);
        if (n == 0) return kIncompatibleDataTypes;
    } else if (x.kind != LATTIX_KIND_SCALAR) {
        return kNotSupported;
    }
    for (size_t i = 0; i < n; ++i) x.re[i] = fromBits(~toBits(x.re[i]));
    return 0;
}

}  // namespace

int32_t complementTop(OperatorCode, Matrix* stack, int16_t* top, bool elementwise) {
    return complement(stack[*top], elementwise);
}

int32_t combineTopTwo(OperatorCode op, Matrix* stack, int16_t* top, bool elementwise) {
    Matrix& right = stack[*top];
    Matrix& left = stack[*top - 1];
    size_t n = 1;
    if (elementwise) {
        n = makeCompatibleVector(&left, &right);
        if (n == 0) return kIncompatibleDataTypes;
    } else if (left.kind != LATTIX_KIND_SCALAR || right.kind != LATTIX_KIND_SCALAR) {
        return kNotSupported;
    }
    for (size_t i = 0; i < n; ++i)
        left.re[i] = fromBits(combine(op, toBits(left.re[i]), toBits(right.re[i])));
    --*top;
    return 0;
}

}  // namespace hexadecimal

using namespace hexadecimal;

extern "C" PLATFORM_API int32_t doOperation(OperatorCode op, int32_t, int32_t elementwise,
                                            Matrix* stack, int16_t* top, const HostServices*) {
    const Operation perform = operationFor(op);
    if (stack == nullptr || top == nullptr || perform == nullptr) return 0;
    // The main program keeps the top index inside its 90 records; a top
    // index outside them is refused before anything is read.
    if (*top < 1 || *top > 88) return *top < 1 ? kNotEnoughParameters : kStackOverflow;
    return perform(op, stack, top, elementwise != 0);
}
