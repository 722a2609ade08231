// Balancing a real matrix before its eigenvalues are computed, and taking
// the balancing back out of its eigenvectors.
#ifndef ORVANA_ADVANCED_EIGEN_BALANCE_H
#define ORVANA_ADVANCED_EIGEN_BALANCE_H

#include "eigen_storage.h"

namespace advanced::eigen {

// Permutes rows and columns that isolate eigenvalues to the ends, then scales
// the remaining block by powers of 16 until no row/column pair changes its
// norm sum by more than the 0.95 factor. scale(j) records the permutation
// index (outside the block) or the scaling factor (inside).
ActiveBlock balance(Square& a, Vector& scale);

// Back-transforms the m eigenvector columns of z with the record of balance.
void balanceBack(const ActiveBlock& block, const Vector& scale, int m, Square& z);

}  // namespace advanced::eigen

#endif
