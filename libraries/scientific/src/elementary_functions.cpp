// The elementary functions of the Scientific library, element by element.
#include "elementary_functions.h"

#include <cmath>
#include <complex>
#include <numbers>

#include "scientific_codes.h"

namespace scientific {
namespace {

constexpr Complex kOne{1.0, 0.0};
constexpr Complex kI{0.0, 1.0};

// i·z, the argument the hyperbolic functions hand to the circular ones:
// -y + ix.
Complex rotated(Complex z) {
    return {-z.im, z.re};
}

double angleOut(double radians, bool degrees) {
    return degrees ? radians * kRadiansToDegrees : radians;
}

int32_t arcSine(Complex& z, bool degrees) {
    if (z.im == 0.0 && std::fabs(z.re) <= 1.0) {
        z = {angleOut(std::asin(z.re), degrees), 0.0};
        return 0;
    }
    // -i·ln(i·z + sqrt(1 - z²))
    Complex l;
    if (const int32_t r = logarithm(add(timesI(z), squareRoot(subtract(kOne, multiply(z, z)))), &l))
        return r;
    z = timesMinusI(l);
    return 0;
}

int32_t arcCosine(Complex& z, bool degrees) {
    if (z.im == 0.0 && std::fabs(z.re) <= 1.0) {
        z = {angleOut(std::acos(z.re), degrees), 0.0};
        return 0;
    }
    // -i·ln(z + i·sqrt(1 - z²))
    Complex l;
    if (const int32_t r = logarithm(add(z, timesI(squareRoot(subtract(kOne, multiply(z, z))))), &l))
        return r;
    z = timesMinusI(l);
    return 0;
}

int32_t arcTangent(Complex& z, bool degrees) {
    if (z.im == 0.0) {
        z = {angleOut(std::atan(z.re), degrees), 0.0};
        return 0;
    }
    // (i/2)·ln((i + z)/(i - z))
    Complex q, l;
    if (const int32_t r = divide(add(kI, z), subtract(kI, z), &q)) return r;
    if (const int32_t r = logarithm(q, &l)) return r;
    z = multiply({0.0, 0.5}, l);
    return 0;
}

// asinh and acosh give the values of -ln(sqrt(z² + 1) - z) and
// ln(z + sqrt(z² - 1)) taken literally (square roots of negative reals are
// +i times the root, logarithms have angles in (-pi, pi]), but computed
// without squaring z or subtracting nearly equal numbers, so that no
// argument overflows or loses its digits. Away from the imaginary axis the
// first is the principal inverse sine; on it, below -i, it takes the other
// side of the cut. The second is the principal inverse cosine in the right
// half-plane and its negative in the left one, where the literal form picks
// the root of t² - 2zt + 1 inside the unit circle.
void hyperbolicArcSine(Complex& z) {
    if (z.im == 0.0) {
        z = {std::asinh(z.re), 0.0};
    } else if (z.re == 0.0) {
        const double y = z.im;
        const double sign = y > 0.0 ? 1.0 : -1.0;
        if (std::fabs(y) <= 1.0)
            z = {0.0, std::asin(y)};
        else
            z = {sign * std::acosh(std::fabs(y)), sign * std::numbers::pi / 2.0};
    } else {
        const std::complex<double> w = std::asinh(std::complex<double>(z.re, z.im));
        z = {w.real(), w.imag()};
    }
}

void hyperbolicArcCosine(Complex& z) {
    if (z.im == 0.0) {
        const double x = z.re;
        if (std::fabs(x) <= 1.0)
            z = {0.0, std::acos(x)};
        else if (x > 1.0)
            z = {std::acosh(x), 0.0};
        else
            z = {-std::acosh(-x), std::numbers::pi};
    } else if (z.re == 0.0) {
        z = {std::asinh(z.im), std::numbers::pi / 2.0};
    } else {
        const std::complex<double> w = std::acosh(std::complex<double>(z.re, z.im));
        const double sign = z.re > 0.0 ? 1.0 : -1.0;
        z = {sign * w.real(), sign * w.imag()};
    }
}

int32_t hyperbolicArcTangent(Complex& z) {
    // ½·ln((1 + z)/(1 - z))
    Complex q, l;
    if (const int32_t r = divide(add(kOne, z), subtract(kOne, z), &q)) return r;
    if (const int32_t r = logarithm(q, &l)) return r;
    z = {0.5 * l.re, 0.5 * l.im};
    return 0;
}

int32_t naturalLog(Complex& z) {
    if (z.im == 0.0 && z.re > 0.0) {
        z = {std::log(z.re), 0.0};
        return 0;
    }
    return logarithm(z, &z);
}

int32_t commonLog(Complex& z) {
    if (z.im == 0.0 && z.re > 0.0) {
        z = {std::log10(z.re), 0.0};
        return 0;
    }
    Complex l;
    if (const int32_t r = logarithm(z, &l)) return r;
    z = {l.re * kInverseLn10, l.im * kInverseLn10};
    return 0;
}

Complex exponential(Complex z) {
    if (z.im == 0.0) return {std::exp(z.re), 0.0};
    const double e = std::exp(z.re);
    return {e * std::cos(z.im), e * std::sin(z.im)};
}

}  // namespace

int32_t applyElementary(OperatorCode op, Complex& z, bool degrees) {
    switch (op) {
        case kSin:
            z = sine(z, degrees);
            return 0;
        case kCos:
            z = cosine(z, degrees);
            return 0;
        case kTan:
            return tangent(z, degrees, &z);
        case kAsin:
            return arcSine(z, degrees);
        case kAcos:
            return arcCosine(z, degrees);
        case kAtan:
            return arcTangent(z, degrees);
        case kSinh:
            z = timesMinusI(sine(rotated(z), degrees));
            return 0;
        case kCosh:
            z = cosine(rotated(z), degrees);
            return 0;
        case kTanh: {
            if (z.im == 0.0) {
                z = {std::tanh(z.re), 0.0};
                return 0;
            }
            Complex t;
            if (const int32_t r = tangent(rotated(z), degrees, &t)) return r;
            z = timesMinusI(t);
            return 0;
        }
        case kAsinh:
            hyperbolicArcSine(z);
            return 0;
        case kAcosh:
            hyperbolicArcCosine(z);
            return 0;
        case kAtanh:
            return hyperbolicArcTangent(z);
        case kSqrt:
            z = squareRoot(z);
            return 0;
        case kLog:
            return commonLog(z);
        case kLn:
            return naturalLog(z);
        case kExp:
            z = exponential(z);
            return 0;
        case kDeg:
            z.re = z.re * kRadiansToDegrees;
            return 0;
        case kRad:
            z.re = z.re * kDegreesToRadians;
            return 0;
        default:
            return 0;
    }
}

}  // namespace scientific
