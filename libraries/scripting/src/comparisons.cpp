// The comparison operators: element by element on the real parts, giving
// 1 or 0 in place of the left operand.
#include <cstddef>

#include "operations.h"
#include "scripting_codes.h"

namespace scripting {
namespace {

bool holds(OperatorCode op, double x, double y) {
    switch (op) {
        case kLessThan:
            return x < y;
        case kGreaterThan:
            return x > y;
        case kEqual:
            return x == y;
        case kLessOrEqual:
            return x <= y;
        case kGreaterOrEqual:
            return x >= y;
        default:
            return x != y;
    }
}

}  // namespace

int32_t compare(const Operation& call) {
    Matrix& left = call.at(-1);
    Matrix& right = call.at(0);
    size_t n = 1;
    if (call.elementwise) {
        n = makeCompatibleVector(&left, &right);
        if (n == 0) return kIncompatibleDataTypes;
    } else if (left.kind != LATTIX_KIND_SCALAR || right.kind != LATTIX_KIND_SCALAR) {
        return kNotSupported;
    }
    for (size_t i = 0; i < n; ++i) {
        left.re[i] = holds(call.op, left.re[i], right.re[i]) ? 1.0 : 0.0;
        // A truth value is real, whatever the operands' imaginary parts.
        left.im[i] = 0.0;
    }
    --*call.top;
    return 0;
}

}  // namespace scripting
