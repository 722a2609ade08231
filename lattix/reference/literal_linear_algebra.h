// LU decomposition, inverse, determinant, transpose and reduced echelon form
// written as plainly as the algorithms read: one element at a time, every
// sum in ascending order, the decomposition working on the transpose through
// swapped indices. Tests compare the fast kernels with these bit for bit; the
// benchmarks time both side by side.
#ifndef LATTIX_REFERENCE_LITERAL_LINEAR_ALGEBRA_H
#define LATTIX_REFERENCE_LITERAL_LINEAR_ALGEBRA_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "lattix.h"

namespace lattix::reference {

// The outcome of a literal decomposition of an n x n working copy `w` (split
// arrays, row by row), which is overwritten with the combined factors of its
// transpose.
struct LiteralLu {
    uint16_t status = 0;  // 0, 53 (a pivot was replaced) or 54 (a zero line)
    std::vector<size_t> permutation;
    double sign = 1.0;
};
LiteralLu literalDecompose(size_t n, double* wRe, double* wIm);

// Same contracts and status codes as the library's exports of the same names.
uint16_t literalInvMatrix(Matrix* a);
uint16_t literalDetMatrix(const Matrix* a, double* re, double* im);
uint16_t literalTransMatrix(Matrix* a);
uint16_t literalRrefMatrix(Matrix* a);

}  // namespace lattix::reference

#endif
