// lti(a, b, c, ..., "f(x)", ICopt) and lti({a, b, c, ...}, "f(x)", ICopt).
#include "equation_arguments.h"

namespace advanced {
namespace {

// lti takes at most 10 arguments.
constexpr int kMaxArguments = 10;

}  // namespace

Status readLinearArguments(const Arguments& args, LinearArguments& out) {
    const int k = args.count();
    const bool lastIsText = k >= 1 && isString(args[k - 1]);
    const bool initialGiven = k >= 2 && isString(args[k - 2]);
    if (!lastIsText && !initialGiven) return kRequiresString;
    if (k > kMaxArguments) return kOrderTooHigh;
    if (k < 2) return kWrongParameterCount;

    const Matrix& first = args[0];
    const bool matrixForm = first.kind == LATTIX_KIND_MATRIX_VALUE && elementCount(first) >= 2 &&
                            (k == 2 || (k == 3 && initialGiven));
    // The coefficients, highest derivative first.
    double a[kMaxOrder + 1] = {};
    int coefficients = 0;
    if (matrixForm) {
        coefficients = elementCount(first);
        // The state holds 12 entries: at most order 12, 13 coefficients.
        if (coefficients > kMaxOrder + 1) return kOrderTooHigh;
        for (int i = 0; i < coefficients; ++i) a[i] = first.re[i];
    } else {
        coefficients = initialGiven ? k - 2 : k - 1;
        for (int i = 0; i < coefficients; ++i) {
            double v = 0.0;
            if (const Status s = firstReal(args[i], v); s != kOk) return s;
            a[i] = v;
        }
    }
    const int order = coefficients - 1;
    if (order < 1) return kWrongParameterCount;
    if (a[0] == 0.0) return kInvalidParameter;  // no highest derivative to solve for

    out = LinearArguments{};
    out.order = order;
    out.lead = a[0];
    // a[0] belongs to y^(n), a[n - i] to y^(i).
    for (int i = 0; i < order; ++i) out.normalised[i] = a[order - i] / a[0];
    out.formula = initialGiven ? k - 2 : k - 1;
    if (initialGiven) {
        const Matrix& ic = args[k - 1];
        if (elementCount(ic) != order) return kWrongInitialConditions;
        for (int i = 0; i < order; ++i) out.initial[i] = ic.re[order - 1 - i];
    }
    return kOk;
}

}  // namespace advanced
