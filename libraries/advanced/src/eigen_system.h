// The eigenvalue sequence for a real square matrix: balancing, Hessenberg
// reduction, then the QR iteration for the values, or the accumulated
// transformations, the QR iteration with vectors and the back-transformation
// of the balancing for the vectors too.
#ifndef ORVANA_ADVANCED_EIGEN_SYSTEM_H
#define ORVANA_ADVANCED_EIGEN_SYSTEM_H

#include "eigen_storage.h"

namespace advanced::eigen {

// The eigenvalues of a (destroyed) into wr + i*wi, indexed from 1 in the
// order the iteration leaves them. False when the iteration failed or the
// user stopped the long work (platformLongWorkStopped tells).
bool eigenvaluesOf(Square& a, Vector& wr, Vector& wi);

// As eigenvaluesOf, with the eigenvectors in the columns of z: a complex
// pair j, j+1 (positive imaginary part first) holds the real and imaginary
// parts of the vector of eigenvalue j. Not normalised.
bool eigenvectorsOf(Square& a, Vector& wr, Vector& wi, Square& z);

}  // namespace advanced::eigen

#endif
