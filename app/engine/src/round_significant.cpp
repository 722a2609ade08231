// roundSignificant, for "round" and for the evaluation flag.
#include "engine/round_significant.h"

#include <cmath>

#include "operands.h"

namespace engine {
namespace {

// Computed once, this way, so that every rounding uses the same two doubles.
const double kLog10Of2 = std::log(2.0) / std::log(10.0);
const double kLn10 = std::log(10.0);

// Beyond this many digits 10^k is no longer finite and the result would be
// NaN; no double has that many significant digits anyway.
constexpr int kMaxKeptExponent = 300;

double roundPart(double x, int k) {
    int e = 0;
    const double f = std::frexp(x, &e);
    const double t = e * kLog10Of2;
    double whole = 0.0;
    const double fraction = std::modf(t, &whole);
    const double b = f * std::exp(fraction * kLn10);
    double s = b * std::pow(10.0, k);
    if (f > 0) {
        s += 0.5;
    } else {
        s -= 0.5;
    }
    const double r = std::trunc(s);
    return std::pow(10.0, whole - k) * r;
}

}  // namespace

void roundSignificant(Matrix* m, int digits) {
    if (m == nullptr) return;
    int k = digits - 1;
    if (k < 0) k = 0;
    if (k > kMaxKeptExponent) k = kMaxKeptExponent;
    const int64_t n = elementCount(*m);
    for (int64_t i = 0; i < n; ++i) {
        if (m->re[i] != 0.0) m->re[i] = roundPart(m->re[i], k);
        if (m->im[i] != 0.0) m->im[i] = roundPart(m->im[i], k);
    }
}

}  // namespace engine
