// The numerical kernel of the distribution functions and the data tests:
// log-gamma, the regularised incomplete gamma and beta functions, the error
// function, the cumulative distributions built on them, factorials, binomial
// coefficients and the bisection that inverts a cumulative distribution.
//
// Every routine works on doubles in the published order of operations, so
// results are reproducible to the bit.
#ifndef ORVANA_STATISTICS_DISTRIBUTION_KERNEL_H
#define ORVANA_STATISTICS_DISTRIBUTION_KERNEL_H

namespace statistics {

// ln Γ(x) for x > 0 (Lanczos series with six coefficients).
double lnGamma(double x);
// Regularised lower incomplete gamma P(a, x), a > 0.
double lowerGamma(double a, double x);
double errorFunction(double x);
// Regularised incomplete beta I_x(a, b); 0 for x outside 0 to 1.
double incompleteBeta(double a, double b, double x);

// Cumulative distributions.
double normalCumulative(double z);
// -1 when t² + v is 0.
double studentCumulative(double t, double v);
double fisherCumulative(double x, double v, double w);
double chiSquareCumulative(double x, double v);
// The upper tails 1 - T(t, v) for t >= 0 and 1 - F(x; v, w), formed
// directly so that small tail probabilities keep their digits.
double studentUpperTail(double t, double v);
double fisherUpperTail(double x, double v, double w);

// n! for n truncated to an integer (0 gives 1). Once the product has
// overflowed it stays infinite, so large n end early.
double factorial(double n);
// n!/(m!(n-m)!) for integers 0 <= m <= n.
double binomialCoefficient(double n, double m);

// The number of halvings the bisection makes on [lo, hi].
int halvingCount(double lo, double hi);

// Searches [lo, hi] by halving for the x where the increasing function g
// reaches target and returns the last midpoint. Each step keeps the half in
// which g - target changes sign; a target that g never reaches on the
// interval ends the search at the nearer end.
template <typename Cumulative>
double bisect(const Cumulative& g, double target, double lo, double hi) {
    const int halvings = halvingCount(lo, hi);
    double mid = lo;
    for (int i = 0; i < halvings; ++i) {
        mid = (lo + hi) * 0.5;
        if (g(mid) - target >= 0.0)
            hi = mid;
        else
            lo = mid;
    }
    return mid;
}

// How often widenBracket may double an interval: 2^64 times its first width
// is beyond every quantile the kernel can tell from 1.
constexpr int kMaxWidenings = 64;

// Doubles the width of [lo, hi] towards the side where the increasing
// function g has not yet reached target, until the interval brackets it or
// kMaxWidenings doublings are done; bisect then works on the wider interval
// with as many more halvings as keep its resolution.
template <typename Cumulative>
void widenBracket(const Cumulative& g, double target, double& lo, double& hi) {
    for (int i = 0; i < kMaxWidenings && g(hi) < target; ++i) hi += hi - lo;
    for (int i = 0; i < kMaxWidenings && g(lo) > target; ++i) lo -= hi - lo;
}

}  // namespace statistics

#endif
