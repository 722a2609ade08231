// The complex routines the Scientific library's functions are built from.
// Routines that can fail return 0 or an error code and leave their result
// in *out only on success.
#ifndef ORVANA_SCIENTIFIC_COMPLEX_MATH_H
#define ORVANA_SCIENTIFIC_COMPLEX_MATH_H

#include <cmath>
#include <cstdint>

namespace scientific {

struct Complex {
    double re;
    double im;
};

inline constexpr double kPiValue = 3.141592653589793;
inline constexpr double kHalfPi = 1.5707963267948966;
inline constexpr double kTwoPi = 6.283185307179586;
inline constexpr double kDegreesToRadians = 0.017453292519943295;
inline constexpr double kRadiansToDegrees = 57.29577951308232;
// arg uses this rounded factor.
inline constexpr double kArgRadiansToDegrees = 57.2957795131;
inline constexpr double kInverseLn10 = 0.4342944819032518;

// fmod(x, step) == 0: x is a whole multiple of step. When the quotient is
// not a whole number x cannot be one, and the slow exact remainder is
// skipped (an exact multiple always divides to a whole number, or to a
// quotient so large that every double there is whole).
inline bool isWholeMultiple(double x, double step) {
    const double q = x / step;
    return std::floor(q) == q && std::fmod(x, step) == 0.0;
}

// The angle of a + bi in radians. An imaginary part of -0, which negating a
// real value leaves behind, counts as 0: the angle of -1 is pi, not -pi.
double angleOf(double a, double b);

inline Complex add(Complex a, Complex b) {
    return {a.re + b.re, a.im + b.im};
}
inline Complex subtract(Complex a, Complex b) {
    return {a.re - b.re, a.im - b.im};
}
inline Complex multiply(Complex a, Complex b) {
    return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}
inline Complex timesI(Complex z) {
    return {-z.im, z.re};
}
inline Complex timesMinusI(Complex z) {
    return {z.im, -z.re};
}

// (a + bi) / (c + di), both first scaled by 1 / (|c| + |d|) to keep the
// squares in range; 10 when the divisor is 0.
int32_t divide(Complex a, Complex b, Complex* out);
// ln |z| + i arg z; 14 for 0.
int32_t logarithm(Complex z, Complex* out);
// The principal square root; a real z takes the real route (i sqrt(-x) for
// a negative one).
Complex squareRoot(Complex z);
// Sine, cosine and tangent. A real argument takes the angle mode (degrees
// when `degrees`) and sine and cosine snap at multiples of a right angle; a
// complex one is in radians whatever the mode. The tangent of a complex z
// with cos z = 0 is 10.
Complex sine(Complex z, bool degrees);
Complex cosine(Complex z, bool degrees);
int32_t tangent(Complex z, bool degrees, Complex* out);

}  // namespace scientific

#endif
