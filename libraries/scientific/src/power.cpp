// The power algorithm: real powers of real operands where they exist, the
// complex principal value otherwise.
#include "power.h"

#include <cmath>

#include "scientific_codes.h"

namespace scientific {
namespace {

// Parts of a complex result smaller than this in proportion to its
// magnitude are cut to 0, so that (-1)^0.5 is exactly i. The double with the
// bits 0x3D19000000000000.
constexpr double kCutoff = 2.220446049250313e-14;

bool isInteger(double v) {
    return std::floor(v + 0.5) == v;
}
bool isOddInteger(double v) {
    return isInteger(v) && std::fmod(v, 2.0) == 1.0;
}

Complex raise(Complex x, Complex y, bool oddRoot) {
    const double a = x.re, b = x.im, c = y.re, d = y.im;
    // A zero base has no logarithm: 0^0 is 1 and 0 to a power with a
    // positive real part is 0.
    if (a == 0.0 && b == 0.0) {
        if (c == 0.0 && d == 0.0) return {1.0, 0.0};
        if (c > 0.0) return {0.0, 0.0};
    }
    if (b == 0.0 && d == 0.0) {
        if (a > 0.0) return {std::exp(c * std::log(a)), 0.0};
        if (!oddRoot && isOddInteger(1.0 / std::fabs(c))) oddRoot = true;
        const double magnitude = std::fabs(c);
        if (isInteger(magnitude)) {
            const double r = std::exp(c * std::log(-a));
            return {isWholeMultiple(magnitude, 2.0) ? r : -r, 0.0};
        }
        if (oddRoot) return {-std::exp(c * std::log(-a)), 0.0};
    }
    const double lr = std::log(std::sqrt(a * a + b * b));
    const double li = angleOf(a, b);
    const double magnitude = std::exp(c * lr - d * li);
    const double phi = c * li + d * lr;
    const double cosine = std::cos(phi), sine = std::sin(phi);
    return {std::fabs(cosine) < kCutoff ? 0.0 : magnitude * cosine,
            std::fabs(sine) < kCutoff ? 0.0 : magnitude * sine};
}

}  // namespace

int32_t power(Complex x, Complex y, Complex* out) {
    *out = raise(x, y, false);
    return 0;
}

int32_t nthRoot(Complex x, Complex m, Complex* out) {
    if (m.re == 0.0 && m.im == 0.0) return kInvalidParameter;
    if (m.im == 0.0) {
        *out = raise(x, {1.0 / m.re, 0.0}, isOddInteger(m.re));
        return 0;
    }
    Complex reciprocal;
    if (const int32_t r = divide({1.0, 0.0}, m, &reciprocal)) return r;
    *out = raise(x, reciprocal, false);
    return 0;
}

}  // namespace scientific
