// Reduction of a real matrix to upper Hessenberg form by stabilised
// elementary similarity transformations, and the accumulation of those
// transformations for the eigenvectors.
#ifndef ORVANA_ADVANCED_EIGEN_HESSENBERG_H
#define ORVANA_ADVANCED_EIGEN_HESSENBERG_H

#include "eigen_storage.h"

namespace advanced::eigen {

// Reduces rows and columns low to igh of a. The multipliers are left below
// the subdiagonal and the row interchanges in interchanges(m).
void reduceToHessenberg(const ActiveBlock& block, Square& a, IndexVector& interchanges);

// z := the product of the transformations reduceToHessenberg applied.
void accumulateHessenberg(const ActiveBlock& block, const Square& a,
                          const IndexVector& interchanges, Square& z);

}  // namespace advanced::eigen

#endif
