// The complex routines of the Scientific library.
#include "complex_math.h"

#include <cmath>

#include "scientific_codes.h"

namespace scientific {
namespace {

// A real argument in the block's angle mode, converted to radians.
double radians(double x, bool degrees) {
    return degrees ? x * kDegreesToRadians : x;
}

// Sine and cosine of an argument at a whole multiple of a right angle come
// out of the floating-point routines a hair off 0 or 1; such results are
// moved to the integer they stand for.
bool atRightAngle(double x, bool degrees) {
    return isWholeMultiple(x, degrees ? 90.0 : kHalfPi);
}

double snapped(double r) {
    return r >= 0 ? std::trunc(r + 0.01) : std::trunc(r - 0.01);
}

Complex complexSine(Complex z) {
    return {std::sin(z.re) * std::cosh(z.im), std::cos(z.re) * std::sinh(z.im)};
}

Complex complexCosine(Complex z) {
    return {std::cos(z.re) * std::cosh(z.im), -(std::sin(z.re) * std::sinh(z.im))};
}

}  // namespace

double angleOf(double a, double b) {
    return std::atan2(b == 0.0 ? 0.0 : b, a);
}

int32_t divide(Complex a, Complex b, Complex* out) {
    const double size = std::fabs(b.re) + std::fabs(b.im);
    if (size == 0.0) return kDivideByZero;
    const double s = 1.0 / size;
    const double ar = a.re * s, ai = a.im * s, br = b.re * s, bi = b.im * s;
    const double d = br * br + bi * bi;
    *out = {(ar * br + ai * bi) / d, (ai * br - ar * bi) / d};
    return 0;
}

int32_t logarithm(Complex z, Complex* out) {
    if (z.re == 0.0 && z.im == 0.0) return kInvalidParameter;
    *out = {std::log(std::sqrt(z.re * z.re + z.im * z.im)), angleOf(z.re, z.im)};
    return 0;
}

Complex squareRoot(Complex z) {
    if (z.im == 0.0) {
        if (z.re >= 0.0) return {std::sqrt(z.re), 0.0};
        return {0.0, std::sqrt(-z.re)};
    }
    const double r = std::sqrt(std::sqrt(z.re * z.re + z.im * z.im));
    const double theta = 0.5 * std::atan2(z.im, z.re);
    return {r * std::cos(theta), r * std::sin(theta)};
}

Complex sine(Complex z, bool degrees) {
    if (z.im != 0.0) return complexSine(z);
    const double r = std::sin(radians(z.re, degrees));
    return {atRightAngle(z.re, degrees) ? snapped(r) : r, 0.0};
}

Complex cosine(Complex z, bool degrees) {
    if (z.im != 0.0) return complexCosine(z);
    const double r = std::cos(radians(z.re, degrees));
    return {atRightAngle(z.re, degrees) ? snapped(r) : r, 0.0};
}

int32_t tangent(Complex z, bool degrees, Complex* out) {
    if (z.im == 0.0) {
        *out = {std::tan(radians(z.re, degrees)), 0.0};
        return 0;
    }
    return divide(complexSine(z), complexCosine(z), out);
}

}  // namespace scientific
