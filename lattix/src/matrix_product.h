// The kernel behind the matrix product.
#ifndef LATTIX_MATRIX_PRODUCT_H
#define LATTIX_MATRIX_PRODUCT_H

#include <cstddef>
#include <cstdint>

namespace lattix {

// C = A x B for split complex arrays stored row by row: A is rows x inner, B
// is inner x cols, C is rows x cols. Every element of C is the sum, from
// k = 0 upwards and starting at 0.0, of the full complex products
// A(i,k) B(k,j): re += a.re b.re - a.im b.im, im += a.re b.im + a.im b.re.
// Returns 0, 62 when its working storage could not be had (C untouched), or
// 65 when the user stopped the long work (C partly written).
uint16_t multiplyComplex(const double* aRe, const double* aIm, const double* bRe,
                         const double* bIm, double* cRe, double* cIm, size_t rows, size_t inner,
                         size_t cols);

}  // namespace lattix

#endif
