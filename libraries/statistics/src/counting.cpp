// Permutations, combinations and the factorial operator.
#include <cmath>

#include "distribution_kernel.h"
#include "operations.h"
#include "operator_codes.h"

namespace statistics {
namespace {

// Beyond 2^53 consecutive integers are no longer all doubles, and counting
// through them would never end.
constexpr double kLargestCount = 9007199254740992.0;
constexpr double kLargestFactorial = 168.0;

// n and m of perm and comb, truncated: both scalars (else 9), whole counts
// from 0 to 2^53 (else 14).
int32_t countsOf(const OperationCall& call, double* n, double* m) {
    const Matrix& a = call.fixed(2, 0);
    const Matrix& b = call.fixed(2, 1);
    if (!isScalar(a) || !isScalar(b)) return errors::kIncompatibleDataTypes;
    *n = std::trunc(a.re[0]);
    *m = std::trunc(b.re[0]);
    if (!(*n >= 0.0 && *n <= kLargestCount && *m >= 0.0 && *m <= kLargestCount))
        return errors::kInvalidParameter;
    return 0;
}

int32_t finish(const OperationCall& call, double value) {
    copyValMatrix(&call.fixed(2, 0), value, 0.0);
    call.finishFixed(2);
    return 0;
}

}  // namespace

int32_t permutations(const OperationCall& call) {
    double n = 0.0, m = 0.0;
    if (const int32_t r = countsOf(call, &n, &m); r != 0) return r;
    // More things taken than there are: no arrangement at all.
    if (m > n) return finish(call, 0.0);
    double product = 1.0;
    const double first = n - m + 1.0;
    for (double i = 0.0; i < m && !std::isinf(product); i += 1.0) product *= first + i;
    return finish(call, product);
}

int32_t combinations(const OperationCall& call) {
    double n = 0.0, m = 0.0;
    if (const int32_t r = countsOf(call, &n, &m); r != 0) return r;
    if (m > n) return finish(call, 0.0);
    return finish(call, binomialCoefficient(n, m));
}

int32_t factorials(const OperationCall& call) {
    Matrix& x = call.stack[*call.top];
    if (!call.elementwise && !isScalar(x)) return errors::kNotSupported;
    const uint32_t count = uint32_t(x.rows) * x.cols;
    if (count == 0 || x.re == nullptr) return errors::kNotSupported;
    // Every element is checked before any is replaced.
    for (uint32_t i = 0; i < count; ++i) {
        if (x.im[i] != 0.0) return errors::kNotSupported;
        if (!(x.re[i] >= 0.0 && x.re[i] <= kLargestFactorial)) return errors::kValueOutOfBounds;
    }
    for (uint32_t i = 0; i < count; ++i) x.re[i] = factorial(x.re[i]);
    return 0;
}

}  // namespace statistics
