// Scalar complex arithmetic with the rounding behaviour every kernel relies
// on. Each operation is written out in the exact order of its floating-point
// operations; the fast kernels reproduce these sequences lane by lane.
#ifndef LATTIX_COMPLEX_MATH_H
#define LATTIX_COMPLEX_MATH_H

#include <cmath>

namespace lattix {

struct Complex {
    double re;
    double im;
};

// Product with the real shortcut: when both imaginary parts are exactly zero
// only the real parts are multiplied, and the imaginary part is +0.0.
inline Complex product(Complex x, Complex y) {
    if (x.im == 0.0 && y.im == 0.0) return {x.re * y.re, 0.0};
    return {x.re * y.re - x.im * y.im, x.re * y.im + x.im * y.re};
}

// Product without the shortcut, as the matrix product and complex scaling use.
inline Complex fullProduct(Complex x, Complex y) {
    return {x.re * y.re - x.im * y.im, x.re * y.im + x.im * y.re};
}

// Quotient x / y for a divisor known not to be zero. Real operands divide
// directly (imaginary part +0.0); otherwise the conjugate is multiplied by
// the reciprocal of the squared modulus.
inline Complex quotient(Complex x, Complex y) {
    if (x.im == 0.0 && y.im == 0.0) return {x.re / y.re, 0.0};
    double m = y.im * y.im + y.re * y.re;
    double r = 1.0 / m;
    return {(y.im * x.im + y.re * x.re) * r, (x.im * y.re - y.im * x.re) * r};
}

// Whether quotient(x, y) would divide by zero.
inline bool zeroDivisor(Complex x, Complex y) {
    if (x.im == 0.0 && y.im == 0.0) return y.re == 0.0;
    return y.im * y.im + y.re * y.re == 0.0;
}

// The modulus every size comparison uses: |re| for a real value, else the
// length of the vector.
inline double modulus(Complex z) {
    if (z.im == 0.0) return std::fabs(z.re);
    return std::sqrt(z.re * z.re + z.im * z.im);
}

}  // namespace lattix

#endif
