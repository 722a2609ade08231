// Eigenvalues (and eigenvectors) of an upper Hessenberg matrix by the
// shifted double-step QR iteration.
#ifndef ORVANA_ADVANCED_EIGEN_QR_H
#define ORVANA_ADVANCED_EIGEN_QR_H

#include "eigen_storage.h"

namespace advanced::eigen {

// Iterations allowed for each eigenvalue; exceptional shifts are taken at
// the 10th and the 20th.
constexpr int kIterationsPerEigenvalue = 30;

// The eigenvalues of h (destroyed) into wr + i*wi, complex pairs next to
// each other with the positive imaginary part first. Gives 0, or the index
// of the eigenvalue whose iteration did not converge (the ones above it are
// correct).
int qrValues(const ActiveBlock& block, Square& h, Vector& wr, Vector& wi);

// As qrValues, and z (the accumulated reduction on entry) receives the
// eigenvectors: a real eigenvalue's vector in its column, a complex pair's
// real and imaginary parts in the pair's two columns. The vectors are not
// normalised.
int qrVectors(const ActiveBlock& block, Square& h, Vector& wr, Vector& wi, Square& z);

// Precision of the small-subdiagonal tests.
constexpr double kMachineEpsilon = 2.220446049250313e-16;

}  // namespace advanced::eigen

#endif
