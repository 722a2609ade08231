// Hessenberg reduction with partial pivoting on the subdiagonal column.
#include "eigen_hessenberg.h"

#include <cmath>
#include "platform/long_work.h"

namespace advanced::eigen {

void reduceToHessenberg(const ActiveBlock& block, Square& a, IndexVector& interchanges) {
    const int n = a.order();
    const int low = block.low;
    const int igh = block.igh;
    const int la = igh - 1;
    const int kp1 = low + 1;
    if (la < kp1) return;

    for (int m = kp1; m <= la; ++m) {
        // A stopped reduction leaves a meaningless matrix; the caller asks.
        if (platformLongWorkPoll(size_t(n) * size_t(igh - low + 1)) != 0) return;
        const int mm1 = m - 1;
        double x = 0.0;
        int i = m;
        for (int j = m; j <= igh; ++j) {
            if (std::fabs(a(j, mm1)) <= std::fabs(x)) continue;
            x = a(j, mm1);
            i = j;
        }
        interchanges(m) = i;
        if (i != m) {
            double* rowI = a.row(i);
            double* rowM = a.row(m);
            for (int j = mm1; j <= n; ++j) {
                const double y = rowI[j - 1];
                rowI[j - 1] = rowM[j - 1];
                rowM[j - 1] = y;
            }
            for (int j = 1; j <= igh; ++j) {
                const double y = a(j, i);
                a(j, i) = a(j, m);
                a(j, m) = y;
            }
        }
        if (x == 0.0) continue;
        const int mp1 = m + 1;
        const double* rowM = a.row(m);
        for (i = mp1; i <= igh; ++i) {
            double y = a(i, mm1);
            if (y == 0.0) continue;
            y = y / x;
            a(i, mm1) = y;
            double* rowI = a.row(i);
            for (int j = m; j <= n; ++j) rowI[j - 1] = rowI[j - 1] - y * rowM[j - 1];
            for (int j = 1; j <= igh; ++j) a(j, m) = a(j, m) + y * a(j, i);
        }
    }
}

void accumulateHessenberg(const ActiveBlock& block, const Square& a,
                          const IndexVector& interchanges, Square& z) {
    const int n = z.order();
    const int low = block.low;
    const int igh = block.igh;
    for (int j = 1; j <= n; ++j) {
        for (int i = 1; i <= n; ++i) z(i, j) = 0.0;
        z(j, j) = 1.0;
    }
    const int kl = igh - low - 1;
    if (kl < 1) return;
    for (int mm = 1; mm <= kl; ++mm) {
        if (platformLongWorkPoll(size_t(n) * size_t(mm)) != 0) return;
        const int mp = igh - mm;
        const int mp1 = mp + 1;
        for (int i = mp1; i <= igh; ++i) z(i, mp) = a(i, mp - 1);
        const int i = interchanges(mp);
        if (i == mp) continue;
        for (int j = mp; j <= igh; ++j) {
            z(mp, j) = z(i, j);
            z(i, j) = 0.0;
        }
        z(i, mp) = 1.0;
    }
}

}  // namespace advanced::eigen
