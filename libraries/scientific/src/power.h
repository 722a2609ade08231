// x^y and the m-th root on one element pair.
#ifndef ORVANA_SCIENTIFIC_POWER_H
#define ORVANA_SCIENTIFIC_POWER_H

#include "complex_math.h"

namespace scientific {

// x^y. Real operands stay real where a real answer exists: a negative base
// with an integer exponent, or with an exponent whose reciprocal is an odd
// integer (a real odd root). Always 0.
int32_t power(Complex x, Complex y, Complex* out);

// The m-th root, x^(1/m); a negative real x with a real odd integer m has
// the real root -(-x)^(1/m). 14 when m is 0.
int32_t nthRoot(Complex x, Complex m, Complex* out);

}  // namespace scientific

#endif
