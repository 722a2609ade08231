// LU decomposition with scaled partial pivoting, and the substitutions that
// turn it into an inverse.
//
// The decomposition works on B, the transpose of the operand, held in split
// arrays (real and imaginary parts) row by row. Every element receives its
// terms B(i,k) B(k,l) in ascending k, one complex product (with the real
// shortcut) subtracted at a time, so the factors are bit-identical to the
// element-at-a-time Crout loops; the speed comes from a blocked right-looking
// order and from updating many independent elements together.
#ifndef LATTIX_LU_DECOMPOSITION_H
#define LATTIX_LU_DECOMPOSITION_H

#include <cstddef>
#include <cstdint>

namespace lattix {

inline constexpr double kSmallestPivot = 1e-14;

// bRe/bIm (n x n) := the transpose of re/im (n x n).
void transposeInto(size_t n, const double* re, const double* im, double* bRe, double* bIm);

// Decomposes B in place into its unit lower factor (below the diagonal) and
// upper factor. permutation[j] is the line exchanged with line j at step j;
// sign is -1.0 after an odd number of exchanges; scale is scratch for n
// doubles. Returns 54 (B unchanged) when a line of B has no non-zero
// element, 65 (B partly decomposed) when the user stopped the long work, 53
// when a pivot below kSmallestPivot was replaced by it, else 0.
uint16_t decomposeLu(size_t n, double* bRe, double* bIm, uint32_t* permutation, double* scale,
                     double* sign);

// Working storage invertFromLu needs: doubles and 32-bit integers.
size_t inverseWorkSlots(size_t n);
size_t inverseScratchIntegers(size_t n);

// Solves B x = e_r for every unit vector e_r of the decomposed B and writes
// x into row r of out (n x n, split arrays row by row). False when the user
// stopped the long work, with out partly written.
bool invertFromLu(size_t n, const double* bRe, const double* bIm, const uint32_t* permutation,
                  double* work, uint32_t* scratch, double* outRe, double* outIm);

// sign + 0i times B(0,0), B(1,1), ... B(n-1,n-1), one complex product at a time.
void determinantFromLu(size_t n, const double* bRe, const double* bIm, double sign, double* re,
                       double* im);

}  // namespace lattix

#endif
