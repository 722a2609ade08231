// The eigenvalue sequence, routine after routine.
#include "eigen_system.h"

#include "eigen_balance.h"
#include "eigen_hessenberg.h"
#include "eigen_qr.h"
#include "platform/long_work.h"

namespace advanced::eigen {

bool eigenvaluesOf(Square& a, Vector& wr, Vector& wi) {
    const int n = a.order();
    Vector scale(n);
    IndexVector interchanges(n);
    const ActiveBlock block = balance(a, scale);
    reduceToHessenberg(block, a, interchanges);
    // A stopped stage leaves nothing worth iterating on.
    if (platformLongWorkStopped() != 0) return false;
    return qrValues(block, a, wr, wi) == 0;
}

bool eigenvectorsOf(Square& a, Vector& wr, Vector& wi, Square& z) {
    const int n = a.order();
    Vector scale(n);
    IndexVector interchanges(n);
    const ActiveBlock block = balance(a, scale);
    reduceToHessenberg(block, a, interchanges);
    accumulateHessenberg(block, a, interchanges, z);
    if (platformLongWorkStopped() != 0) return false;
    if (qrVectors(block, a, wr, wi, z) != 0 || platformLongWorkStopped() != 0) return false;
    balanceBack(block, scale, n, z);
    return true;
}

}  // namespace advanced::eigen
