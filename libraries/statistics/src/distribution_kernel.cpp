#include "distribution_kernel.h"

#include <cmath>

namespace statistics {
namespace {

constexpr double kLanczos[6] = {76.18009172947146,  -86.50532032941678,   24.01409824083091,
                                -1.231739572450155, 0.001208650973866179, -5.395239384953e-06};
constexpr double kLanczosStart = 1.000000000190015;
constexpr double kSqrtTwoPi = 2.5066282746310007;

constexpr double kTolerance = 3e-07;
constexpr double kSmallest = 1e-30;
constexpr int kGammaIterations = 100;
constexpr int kBetaTerms = 100;

constexpr double kInverseSqrtTwo = 0.7071067811865475;

// e^(-x + a ln x - ln Γ(a)), the factor both incomplete gamma forms share.
double gammaScale(double a, double x) {
    return std::exp(-x + a * std::log(x) - lnGamma(a));
}

// The series for P(a, x), used below x = a + 1.
double gammaSeries(double a, double x) {
    if (x <= 0.0) return 0.0;
    double ap = a;
    double term = 1.0 / a;
    double sum = term;
    for (int n = 1; n <= kGammaIterations; ++n) {
        ap += 1.0;
        term *= x / ap;
        sum += term;
        if (std::fabs(term) < std::fabs(sum) * kTolerance) break;
    }
    return sum * gammaScale(a, x);
}

// The continued fraction for Q(a, x) = 1 - P(a, x) (modified Lentz).
double gammaFraction(double a, double x) {
    double b = x + 1.0 - a;
    double c = 1.0 / kSmallest;
    double d = 1.0 / b;
    double h = d;
    for (int i = 1; i <= kGammaIterations; ++i) {
        const double an = -i * (i - a);
        b += 2.0;
        d = an * d + b;
        if (std::fabs(d) < kSmallest) d = kSmallest;
        c = b + an / c;
        if (std::fabs(c) < kSmallest) c = kSmallest;
        d = 1.0 / d;
        const double change = d * c;
        h *= change;
        if (std::fabs(change - 1.0) < kTolerance) break;
    }
    return gammaScale(a, x) * h;
}

// The continued fraction of the incomplete beta function (modified Lentz);
// 0 when it has not converged within its terms.
double betaFraction(double a, double b, double x) {
    const double qab = a + b;
    const double qap = a + 1.0;
    const double qam = a - 1.0;
    double c = 1.0;
    double d = 1.0 - qab * x / qap;
    if (std::fabs(d) < kSmallest) d = kSmallest;
    d = 1.0 / d;
    double h = d;
    for (int m = 1; m <= kBetaTerms; ++m) {
        const double m2 = 2.0 * m;
        double aa = m * (b - m) * x / ((qam + m2) * (a + m2));
        d = 1.0 + aa * d;
        if (std::fabs(d) < kSmallest) d = kSmallest;
        c = 1.0 + aa / c;
        if (std::fabs(c) < kSmallest) c = kSmallest;
        d = 1.0 / d;
        h *= d * c;
        aa = -(a + m) * (qab + m) * x / ((a + m2) * (qap + m2));
        d = 1.0 + aa * d;
        if (std::fabs(d) < kSmallest) d = kSmallest;
        c = 1.0 + aa / c;
        if (std::fabs(c) < kSmallest) c = kSmallest;
        d = 1.0 / d;
        const double change = d * c;
        h *= change;
        if (std::fabs(change - 1.0) < kTolerance) return h;
    }
    return 0.0;
}

}  // namespace

double lnGamma(double x) {
    double y = x;
    double t = x + 5.5;
    t -= (x + 0.5) * std::log(t);
    double s = kLanczosStart;
    for (double c : kLanczos) {
        y += 1.0;
        s += c / y;
    }
    return -t + std::log(kSqrtTwoPi * s / x);
}

double lowerGamma(double a, double x) {
    if (x < a + 1.0) return gammaSeries(a, x);
    return 1.0 - gammaFraction(a, x);
}

double errorFunction(double x) {
    const double p = lowerGamma(0.5, x * x);
    return x < 0.0 ? -p : p;
}

double incompleteBeta(double a, double b, double x) {
    if (x < 0.0 || x > 1.0) return 0.0;
    const double front = (x == 0.0 || x == 1.0)
                             ? 0.0
                             : std::exp(lnGamma(a + b) - lnGamma(a) - lnGamma(b) + a * std::log(x) +
                                        b * std::log(1.0 - x));
    if (x < (a + 1.0) / (a + b + 2.0)) return front * betaFraction(a, b, x) / a;
    return 1.0 - front * betaFraction(b, a, 1.0 - x) / b;
}

double normalCumulative(double z) {
    const double u = z * kInverseSqrtTwo;
    if (u < 0.0) return 0.5 - 0.5 * errorFunction(-u);
    return 0.5 * (1.0 + errorFunction(u));
}

double studentCumulative(double t, double v) {
    const double f = t * t + v;
    if (f == 0.0) return -1.0;
    const double g = v / f;
    const double half = 0.5 * incompleteBeta(v / 2.0, 0.5, g);
    return t > 0.0 ? 1.0 - half : half;
}

double fisherCumulative(double x, double v, double w) {
    const double g = w / (w + v * x);
    return 1.0 - incompleteBeta(w / 2.0, v / 2.0, g);
}

double studentUpperTail(double t, double v) {
    return 0.5 * incompleteBeta(v / 2.0, 0.5, v / (t * t + v));
}

double fisherUpperTail(double x, double v, double w) {
    return incompleteBeta(w / 2.0, v / 2.0, w / (w + v * x));
}

double chiSquareCumulative(double x, double v) {
    return lowerGamma(v / 2.0, x / 2.0);
}

double factorial(double n) {
    if (n == 0.0) return 1.0;
    double product = 1.0;
    for (double k = std::trunc(n); k >= 2.0 && !std::isinf(product); k -= 1.0) product *= k;
    return product;
}

double binomialCoefficient(double n, double m) {
    const double larger = std::fmax(m, n - m);
    const double smaller = std::fmin(m, n - m);
    double product = 1.0;
    for (double i = 1.0; i <= smaller && !std::isinf(product); i += 1.0) product *= larger + i;
    const double literal = product / factorial(smaller);
    if (std::isfinite(literal)) return literal;
    // Both products overflowed although the quotient may not: form it as a
    // running product of ratios instead, which overflows only when the
    // coefficient itself does.
    double ratio = 1.0;
    for (double i = 1.0; i <= smaller && !std::isinf(ratio); i += 1.0)
        ratio = ratio * (larger + i) / i;
    return ratio;
}

int halvingCount(double lo, double hi) {
    return int(std::log((hi - lo) * 99999.99999999999) * 1.443);
}

}  // namespace statistics
