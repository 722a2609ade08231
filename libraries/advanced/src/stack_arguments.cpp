// The argument conventions of the value stack for this library's operators.
#include "stack_arguments.h"

#include <cmath>

namespace advanced {

Status variableArguments(Matrix* stack, const int16_t* top, Arguments& out) {
    const int t = *top;
    if (t < kFirstArgumentSlot) return kWrongParameterCount;
    double k = 0.0;
    if (firstReal(stack[t], k) != kOk || !(k >= 0.0) || k > double(t - kFirstArgumentSlot))
        return kWrongParameterCount;
    const int count = int(k);
    out = Arguments(stack, t - count, count);
    return kOk;
}

Status fixedArguments(Matrix* stack, const int16_t* top, int n, Arguments& out) {
    const int first = *top - n + 1;
    if (first < kFirstArgumentSlot) return 11;  // "Not enough parameters"
    out = Arguments(stack, first, n);
    return kOk;
}

bool isString(const Matrix& m) {
    return m.kind == LATTIX_KIND_STRING && m.re != nullptr;
}

bool isNumeric(const Matrix& m) {
    return (m.kind == LATTIX_KIND_SCALAR || m.kind == LATTIX_KIND_MATRIX_VALUE) && m.rows > 0 &&
           m.cols > 0 && m.re != nullptr && m.im != nullptr;
}

int elementCount(const Matrix& m) {
    return isNumeric(m) ? int(m.rows) * int(m.cols) : 0;
}

Status firstReal(const Matrix& m, double& out) {
    if (!isNumeric(m)) return kIncompatibleDataTypes;
    out = m.re[0];
    return kOk;
}

Status truncatedSize(const Matrix& m, int64_t& out) {
    double v = 0.0;
    if (const Status s = firstReal(m, v); s != kOk) return s;
    if (std::isnan(v)) return kInvalidParameter;
    constexpr double kReach = 2147483648.0;
    out = v >= kReach ? int64_t(kReach) : v <= -kReach ? -int64_t(kReach) : int64_t(std::trunc(v));
    return kOk;
}

}  // namespace advanced
