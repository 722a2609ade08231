// The QR iteration for eigenvalues only: transformations are applied to the
// active block, rows l to en, and nothing is accumulated.
#include <cmath>

#include "eigen_qr.h"
#include "platform/long_work.h"

namespace advanced::eigen {
namespace {

double withSignOf(double magnitude, double sign) {
    return sign >= 0.0 ? std::fabs(magnitude) : -std::fabs(magnitude);
}

}  // namespace

int qrValues(const ActiveBlock& block, Square& h, Vector& wr, Vector& wi) {
    const int n = h.order();
    const int low = block.low;
    const int igh = block.igh;
    const double machep = kMachineEpsilon;

    // Eigenvalues isolated by balancing.
    for (int i = 1; i <= n; ++i) {
        if (i >= low && i <= igh) continue;
        wr(i) = h(i, i);
        wi(i) = 0.0;
    }

    int en = igh;
    double t = 0.0;
    while (en >= low) {
        int its = 0;
        const int na = en - 1;
        const int enm2 = na - 1;
        for (;;) {
            // A single small subdiagonal element splits the matrix.
            int l = en;
            for (; l > low; --l) {
                if (std::fabs(h(l, l - 1)) <=
                    machep * (std::fabs(h(l - 1, l - 1)) + std::fabs(h(l, l))))
                    break;
            }
            double x = h(en, en);
            if (l == en) {
                wr(en) = x + t;
                wi(en) = 0.0;
                en = na;
                break;
            }
            double y = h(na, na);
            double w = h(en, na) * h(na, en);
            if (l == na) {
                double p = (y - x) / 2.0;
                const double q = p * p + w;
                double zz = std::sqrt(std::fabs(q));
                x = x + t;
                if (q >= 0.0) {
                    zz = p + withSignOf(zz, p);
                    wr(na) = x + zz;
                    wr(en) = wr(na);
                    if (zz != 0.0) wr(en) = x - w / zz;
                    wi(na) = 0.0;
                    wi(en) = 0.0;
                } else {
                    wr(na) = x + p;
                    wr(en) = x + p;
                    wi(na) = zz;
                    wi(en) = -zz;
                }
                en = enm2;
                break;
            }
            if (its == kIterationsPerEigenvalue) return en;
            // A stop counts as an iteration that did not converge.
            if (platformLongWorkPoll(size_t(en - low + 1) * size_t(en - low + 1)) != 0) return en;
            if (its == 10 || its == 20) {
                t = t + x;
                for (int i = low; i <= en; ++i) h(i, i) = h(i, i) - x;
                const double s = std::fabs(h(en, na)) + std::fabs(h(na, enm2));
                x = 0.75 * s;
                y = x;
                w = -0.4375 * s * s;
            }
            ++its;

            // Two consecutive small subdiagonal elements.
            int m = enm2;
            double p = 0.0;
            double q = 0.0;
            double r = 0.0;
            for (; m >= l; --m) {
                const double zz = h(m, m);
                r = x - zz;
                double s = y - zz;
                p = (r * s - w) / h(m + 1, m) + h(m, m + 1);
                q = h(m + 1, m + 1) - zz - r - s;
                r = h(m + 2, m + 1);
                s = std::fabs(p) + std::fabs(q) + std::fabs(r);
                p = p / s;
                q = q / s;
                r = r / s;
                if (m == l) break;
                if (std::fabs(h(m, m - 1)) * (std::fabs(q) + std::fabs(r)) <=
                    machep * std::fabs(p) *
                        (std::fabs(h(m - 1, m - 1)) + std::fabs(zz) + std::fabs(h(m + 1, m + 1))))
                    break;
            }
            const int mp2 = m + 2;
            for (int i = mp2; i <= en; ++i) {
                h(i, i - 2) = 0.0;
                if (i != mp2) h(i, i - 3) = 0.0;
            }

            // Double QR step on rows l to en and columns m to en.
            for (int k = m; k <= na; ++k) {
                const bool notlas = k != na;
                if (k != m) {
                    p = h(k, k - 1);
                    q = h(k + 1, k - 1);
                    r = notlas ? h(k + 2, k - 1) : 0.0;
                    x = std::fabs(p) + std::fabs(q) + std::fabs(r);
                    if (x == 0.0) continue;
                    p = p / x;
                    q = q / x;
                    r = r / x;
                }
                const double s = withSignOf(std::sqrt(p * p + q * q + r * r), p);
                if (k != m)
                    h(k, k - 1) = -s * x;
                else if (l != m)
                    h(k, k - 1) = -h(k, k - 1);
                p = p + s;
                x = p / s;
                y = q / s;
                const double zz = r / s;
                q = q / p;
                r = r / p;
                double* rowK = h.row(k);
                double* rowK1 = h.row(k + 1);
                const int jLast = en < k + 3 ? en : k + 3;
                if (!notlas) {
                    for (int j = k; j <= en; ++j) {
                        const double pj = rowK[j - 1] + q * rowK1[j - 1];
                        rowK[j - 1] = rowK[j - 1] - pj * x;
                        rowK1[j - 1] = rowK1[j - 1] - pj * y;
                    }
                    for (int i = l; i <= jLast; ++i) {
                        double* rowI = h.row(i);
                        const double pi = x * rowI[k - 1] + y * rowI[k];
                        rowI[k - 1] = rowI[k - 1] - pi;
                        rowI[k] = rowI[k] - pi * q;
                    }
                } else {
                    double* rowK2 = h.row(k + 2);
                    for (int j = k; j <= en; ++j) {
                        const double pj = rowK[j - 1] + q * rowK1[j - 1] + r * rowK2[j - 1];
                        rowK[j - 1] = rowK[j - 1] - pj * x;
                        rowK1[j - 1] = rowK1[j - 1] - pj * y;
                        rowK2[j - 1] = rowK2[j - 1] - pj * zz;
                    }
                    for (int i = l; i <= jLast; ++i) {
                        double* rowI = h.row(i);
                        const double pi = x * rowI[k - 1] + y * rowI[k] + zz * rowI[k + 1];
                        rowI[k - 1] = rowI[k - 1] - pi;
                        rowI[k] = rowI[k] - pi * q;
                        rowI[k + 1] = rowI[k + 1] - pi * r;
                    }
                }
            }
        }
    }
    return 0;
}

}  // namespace advanced::eigen
