// The distribution operators: cumulative probabilities of the normal,
// Student t, F, chi-square and binomial distributions and their inverses.
//
// Every parameter must be a scalar (else 9); its real part is used. Values
// that describe no distribution are refused with 14 before anything is
// computed: parameters that are not finite, standard deviations and degrees
// of freedom of 0 or less, probabilities outside 0 to 1, and trial counts
// that are negative, fractional or above kLargestTrials.
#include <cmath>

#include "binomial_distribution.h"
#include "distribution_kernel.h"
#include "operations.h"
#include "operator_codes.h"
#include "platform/long_work.h"

namespace statistics {
namespace {

using namespace codes;

constexpr double kNormalReach = 10.0;
constexpr double kFisherReach = 7000.0;
constexpr double kChiSquareReach = 400.0;

bool isProbability(double p) {
    return p >= 0.0 && p <= 1.0;
}
bool isPositive(double v) {
    return v > 0.0;
}
bool isTrialCount(double n) {
    return n >= 0.0 && n <= kLargestTrials && std::trunc(n) == n;
}

struct Arguments {
    double v[3] = {0.0, 0.0, 0.0};
};

// The parameters of a distribution with `count` of them: scalars, finite.
int32_t argumentsOf(const OperationCall& call, int count, Arguments* a) {
    for (int i = 0; i < count; ++i) {
        const Matrix& m = call.fixed(count, i);
        if (!isScalar(m)) return errors::kIncompatibleDataTypes;
        a->v[i] = m.re[0];
    }
    for (int i = 0; i < count; ++i)
        if (!std::isfinite(a->v[i])) return errors::kInvalidParameter;
    return 0;
}

// Where the t inverse's search starts, by degrees of freedom; it widens the
// interval for targets beyond it.
double studentReach(double v) {
    if (v == 1.0) return 400.0;
    if (v == 2.0) return 100.0;
    return 50.0;
}

// The value of the distribution operator op, or an error code.
int32_t evaluate(OperatorCode op, const Arguments& a, double* value) {
    const double x = a.v[0], y = a.v[1], z = a.v[2];
    switch (op) {
        case kNorm:
            if (!isPositive(z)) return errors::kInvalidParameter;
            *value = normalCumulative((x - y) / z);
            return 0;
        case kInvnorm: {
            if (!isProbability(x) || !isPositive(z)) return errors::kInvalidParameter;
            const auto g = [](double t) { return normalCumulative(t); };
            *value = bisect(g, x, -kNormalReach, kNormalReach) * z + y;
            return 0;
        }
        case kTdist:
            if (!isPositive(y)) return errors::kInvalidParameter;
            *value = studentCumulative(x, y);
            return 0;
        case kInvtdist: {
            if (!isProbability(x) || !isPositive(y)) return errors::kInvalidParameter;
            const double k = studentReach(y);
            const auto g = [y](double t) { return studentCumulative(t, y); };
            double lo = x < 0.5 ? -k : -0.001 * k;
            double hi = x < 0.5 ? 0.001 * k : k;
            widenBracket(g, x, lo, hi);
            *value = bisect(g, x, lo, hi);
            return 0;
        }
        case kFdist:
            if (!isPositive(y) || !isPositive(z)) return errors::kInvalidParameter;
            // No F value lies below 0 (where the kernel's formula would
            // answer 1).
            *value = x < 0.0 ? 0.0 : fisherCumulative(x, y, z);
            return 0;
        case kInvfdist: {
            if (!isProbability(x) || !isPositive(y) || !isPositive(z))
                return errors::kInvalidParameter;
            const auto g = [y, z](double t) { return fisherCumulative(t, y, z); };
            double lo = 0.0, hi = kFisherReach;
            widenBracket(g, x, lo, hi);
            *value = bisect(g, x, lo, hi);
            return 0;
        }
        case kChi:
            if (!isPositive(y)) return errors::kInvalidParameter;
            *value = chiSquareCumulative(x, y);
            return 0;
        case kInvchi: {
            if (!isProbability(x) || !isPositive(y)) return errors::kInvalidParameter;
            const auto g = [y](double t) { return chiSquareCumulative(t, y); };
            double lo = 0.0, hi = kChiSquareReach;
            widenBracket(g, x, lo, hi);
            *value = bisect(g, x, lo, hi);
            return 0;
        }
        case kBindist:
            if (!isTrialCount(y) || !isProbability(z)) return errors::kInvalidParameter;
            *value = binomialCumulative(x, y, z);
            return 0;
        case kInvbindist:
            if (!isProbability(x) || !isTrialCount(y) || !isProbability(z))
                return errors::kInvalidParameter;
            *value = binomialInverse(x, y, z);
            return 0;
        default:
            return errors::kInvalidParameter;
    }
}

bool isDistribution(OperatorCode op) {
    switch (op) {
        case kNorm:
        case kInvnorm:
        case kTdist:
        case kInvtdist:
        case kFdist:
        case kInvfdist:
        case kChi:
        case kInvchi:
        case kBindist:
        case kInvbindist:
            return true;
        default:
            return false;
    }
}

}  // namespace

int32_t distribution(const OperationCall& call, bool* known) {
    *known = isDistribution(call.op);
    if (!*known) return 0;
    const int count = int(keypadOperatorArity(call.op));
    Arguments a;
    if (const int32_t r = argumentsOf(call, count, &a); r != 0) return r;
    double value = 0.0;
    if (const int32_t r = evaluate(call.op, a, &value); r != 0) return r;
    // A long series stopped by the user gives no value.
    if (platformLongWorkStopped() != 0) return errors::kInterrupted;
    copyValMatrix(&call.fixed(count, 0), value, 0.0);
    call.finishFixed(count);
    return 0;
}

}  // namespace statistics
