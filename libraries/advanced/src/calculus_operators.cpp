// integ and ddt: a formula given as text, integrated from a to b or
// differentiated at the current x.
#include <cmath>

#include "formula.h"
#include "operators.h"
#include "romberg_integration.h"
#include "simpson_integration.h"
#include "stack_arguments.h"

namespace advanced {
namespace {

constexpr double kDefaultTolerance = 1e-6;
constexpr double kDefaultStep = 0.001;
// More partitions than anyone would wait for; larger counts are refused.
constexpr double kMaxPartitions = 1000000.0;

struct Method {
    bool simpson = false;
    long partitions = 0;
    double tolerance = kDefaultTolerance;
};

// The fourth argument: none, a string or NaN mean Romberg with the default
// tolerance; above 1 Simpson with that many partitions; otherwise Romberg
// with it as the tolerance.
Status methodOf(const Arguments& args, Method& method) {
    if (args.count() < 4 || isString(args[3])) return kOk;
    double opt = 0.0;
    if (firstReal(args[3], opt) != kOk || std::isnan(opt)) return kOk;
    if (opt > 1.0) {
        if (opt > kMaxPartitions) return kInvalidParameter;
        method.simpson = true;
        method.partitions = long(opt);
    } else {
        method.tolerance = opt;
    }
    return kOk;
}

}  // namespace

Status integOperator(const Call& call) {
    Arguments args(call.stack, 0, 0);
    if (const Status s = variableArguments(call.stack, call.top, args); s != kOk) return s;
    if (args.count() != 3 && args.count() != 4) return kWrongParameterCount;
    if (!isString(args[0])) return kRequiresString;
    double a = 0.0;
    double b = 0.0;
    if (const Status s = firstReal(args[1], a); s != kOk) return s;
    if (const Status s = firstReal(args[2], b); s != kOk) return s;
    Method method;
    if (const Status s = methodOf(args, method); s != kOk) return s;

    Formula formula(call.services, call.angleMode);
    if (const Status s = formula.compile(args[0]); s != kOk) return s;
    Variable x;
    if (const Status s = Variable::find(call.services, u"x", x); s != kOk) return s;

    Integral result;
    {
        const SavedValue saved(x);
        copyValMatrix(x.value(), 0.0, 0.0);
        const PointFunction f = [&](double at) { return formula.at(x, at); };
        if (method.simpson)
            result.value = simpsonIntegral(f, a, b, method.partitions);
        else
            result = rombergIntegral(f, a, b, method.tolerance);
    }
    // An integrand that failed somewhere has no integral.
    if (const Status s = formula.failure(); s != kOk) result = {0.0, s};
    copyValMatrix(&args[0], result.value, 0.0);
    *call.top = int16_t(args.firstSlot());
    return result.status;
}

Status ddtOperator(const Call& call) {
    Arguments args(call.stack, 0, 0);
    if (const Status s = variableArguments(call.stack, call.top, args); s != kOk) return s;
    if (args.count() < 1 || args.count() > 2) return kWrongParameterCount;
    if (!isString(args[0])) return kRequiresString;
    double d = kDefaultStep;
    if (args.count() == 2) {
        if (const Status s = firstReal(args[1], d); s != kOk) return s;
        // The difference quotient needs a step.
        if (d == 0.0 || !std::isfinite(d)) return kInvalidParameter;
    }

    Formula formula(call.services, call.angleMode);
    if (const Status s = formula.compile(args[0]); s != kOk) return s;
    Variable x;
    if (const Status s = Variable::find(call.services, u"x", x); s != kOk) return s;

    double derivative = 0.0;
    {
        const SavedValue saved(x);
        const double x0 = x.get();
        const double f1 = formula.at(x, x0 - 2.0 * d);
        const double f2 = formula.at(x, x0 - d);
        const double f3 = formula.at(x, x0 + d);
        const double f4 = formula.at(x, x0 + 2.0 * d);
        derivative = (f1 - 8.0 * f2 + 8.0 * f3 - f4) / (12.0 * d);
    }
    const Status failed = formula.failure();
    copyValMatrix(&args[0], failed == kOk ? derivative : 0.0, 0.0);
    *call.top = int16_t(args.firstSlot());
    return failed;
}

}  // namespace advanced
