// The QR iteration with eigenvectors: the transformations are applied to the
// whole matrix and accumulated in z; then the vectors of the triangular form
// are found by back-substitution and multiplied by z.
#include <algorithm>
#include <cmath>
#include <vector>

#include "eigen_qr.h"
#include "platform/long_work.h"

namespace advanced::eigen {
namespace {

double withSignOf(double magnitude, double sign) {
    return sign >= 0.0 ? std::fabs(magnitude) : -std::fabs(magnitude);
}

// (ar + i ai) / (br + i bi), scaled against overflow.
void complexDivide(double ar, double ai, double br, double bi, double& cr, double& ci) {
    double s = std::fabs(br) + std::fabs(bi);
    const double ars = ar / s;
    const double ais = ai / s;
    const double brs = br / s;
    const double bis = bi / s;
    s = brs * brs + bis * bis;
    cr = (ars * brs + ais * bis) / s;
    ci = (ais * brs - ars * bis) / s;
}

// The iteration proper; gives 0 or the index of the failing eigenvalue.
int iterate(const ActiveBlock& block, Square& h, Vector& wr, Vector& wi, Square& z) {
    const int n = h.order();
    const int low = block.low;
    const int igh = block.igh;
    const double machep = kMachineEpsilon;

    int en = igh;
    double t = 0.0;
    while (en >= low) {
        int its = 0;
        const int na = en - 1;
        const int enm2 = na - 1;
        for (;;) {
            int l = en;
            for (; l > low; --l) {
                if (std::fabs(h(l, l - 1)) <=
                    machep * (std::fabs(h(l - 1, l - 1)) + std::fabs(h(l, l))))
                    break;
            }
            double x = h(en, en);
            if (l == en) {
                h(en, en) = x + t;
                wr(en) = h(en, en);
                wi(en) = 0.0;
                en = na;
                break;
            }
            double y = h(na, na);
            double w = h(en, na) * h(na, en);
            if (l == na) {
                double p = (y - x) / 2.0;
                double q = p * p + w;
                double zz = std::sqrt(std::fabs(q));
                h(en, en) = x + t;
                x = h(en, en);
                h(na, na) = y + t;
                if (q >= 0.0) {
                    zz = p + withSignOf(zz, p);
                    wr(na) = x + zz;
                    wr(en) = wr(na);
                    if (zz != 0.0) wr(en) = x - w / zz;
                    wi(na) = 0.0;
                    wi(en) = 0.0;
                    x = h(en, na);
                    const double s = std::fabs(x) + std::fabs(zz);
                    p = x / s;
                    q = zz / s;
                    const double r = std::sqrt(p * p + q * q);
                    p = p / r;
                    q = q / r;
                    for (int j = na; j <= n; ++j) {
                        zz = h(na, j);
                        h(na, j) = q * zz + p * h(en, j);
                        h(en, j) = q * h(en, j) - p * zz;
                    }
                    for (int i = 1; i <= en; ++i) {
                        zz = h(i, na);
                        h(i, na) = q * zz + p * h(i, en);
                        h(i, en) = q * h(i, en) - p * zz;
                    }
                    for (int i = low; i <= igh; ++i) {
                        zz = z(i, na);
                        z(i, na) = q * zz + p * z(i, en);
                        z(i, en) = q * z(i, en) - p * zz;
                    }
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
            if (platformLongWorkPoll(size_t(n) * size_t(n)) != 0) return en;
            if (its == 10 || its == 20) {
                t = t + x;
                for (int i = low; i <= en; ++i) h(i, i) = h(i, i) - x;
                const double s = std::fabs(h(en, na)) + std::fabs(h(na, enm2));
                x = 0.75 * s;
                y = x;
                w = -0.4375 * s * s;
            }
            ++its;

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

            // Double QR step on the whole matrix, accumulated in z.
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
                const int jLast = std::min(en, k + 3);
                if (notlas) {
                    double* rowK2 = h.row(k + 2);
                    for (int j = k; j <= n; ++j) {
                        const double pj = rowK[j - 1] + q * rowK1[j - 1] + r * rowK2[j - 1];
                        rowK2[j - 1] = rowK2[j - 1] - pj * zz;
                        rowK1[j - 1] = rowK1[j - 1] - pj * y;
                        rowK[j - 1] = rowK[j - 1] - pj * x;
                    }
                    for (int i = 1; i <= jLast; ++i) {
                        double* rowI = h.row(i);
                        const double pi = x * rowI[k - 1] + y * rowI[k] + zz * rowI[k + 1];
                        rowI[k + 1] = rowI[k + 1] - pi * r;
                        rowI[k] = rowI[k] - pi * q;
                        rowI[k - 1] = rowI[k - 1] - pi;
                    }
                    for (int i = low; i <= igh; ++i) {
                        double* rowI = z.row(i);
                        const double pi = x * rowI[k - 1] + y * rowI[k] + zz * rowI[k + 1];
                        rowI[k + 1] = rowI[k + 1] - pi * r;
                        rowI[k] = rowI[k] - pi * q;
                        rowI[k - 1] = rowI[k - 1] - pi;
                    }
                } else {
                    for (int j = k; j <= n; ++j) {
                        const double pj = rowK[j - 1] + q * rowK1[j - 1];
                        rowK1[j - 1] = rowK1[j - 1] - pj * y;
                        rowK[j - 1] = rowK[j - 1] - pj * x;
                    }
                    for (int i = 1; i <= jLast; ++i) {
                        double* rowI = h.row(i);
                        const double pi = x * rowI[k - 1] + y * rowI[k];
                        rowI[k] = rowI[k] - pi * q;
                        rowI[k - 1] = rowI[k - 1] - pi;
                    }
                    for (int i = low; i <= igh; ++i) {
                        double* rowI = z.row(i);
                        const double pi = x * rowI[k - 1] + y * rowI[k];
                        rowI[k] = rowI[k] - pi * q;
                        rowI[k - 1] = rowI[k - 1] - pi;
                    }
                }
            }
        }
    }
    return 0;
}

// Back-substitution for the vectors of the upper triangular form left in h.
void backSubstitute(Square& h, const Vector& wr, const Vector& wi, double norm) {
    const int n = h.order();
    const double machep = kMachineEpsilon;
    for (int en = n; en >= 1; --en) {
        if (platformLongWorkPoll(size_t(n) * size_t(en)) != 0) return;
        const double p = wr(en);
        const double q = wi(en);
        const int na = en - 1;
        if (q > 0.0) continue;
        if (q == 0.0) {
            // Real vector.
            int m = en;
            h(en, en) = 1.0;
            double zz = 0.0;
            double s = 0.0;
            for (int i = na; i >= 1; --i) {
                const double w = h(i, i) - p;
                double r = h(i, en);
                for (int j = m; j <= na; ++j) r = r + h(i, j) * h(j, en);
                if (wi(i) < 0.0) {
                    zz = w;
                    s = r;
                    continue;
                }
                m = i;
                if (wi(i) == 0.0) {
                    double t = w;
                    if (w == 0.0) t = machep * norm;
                    h(i, en) = -r / t;
                    continue;
                }
                const double x = h(i, i + 1);
                const double y = h(i + 1, i);
                const double qq = (wr(i) - p) * (wr(i) - p) + wi(i) * wi(i);
                const double t = (x * s - zz * r) / qq;
                h(i, en) = t;
                if (std::fabs(x) > std::fabs(zz))
                    h(i + 1, en) = (-r - w * t) / x;
                else
                    h(i + 1, en) = (-s - y * t) / zz;
            }
            continue;
        }
        // Complex vector; the last component is chosen imaginary so that
        // the vector matrix stays triangular.
        int m = na;
        if (std::fabs(h(en, na)) > std::fabs(h(na, en))) {
            h(na, na) = q / h(en, na);
            h(na, en) = -(h(en, en) - p) / h(en, na);
        } else {
            complexDivide(0.0, -h(na, en), h(na, na) - p, q, h(na, na), h(na, en));
        }
        h(en, na) = 0.0;
        h(en, en) = 1.0;
        const int enm2 = na - 1;
        double zz = 0.0;
        double r = 0.0;
        double s = 0.0;
        for (int i = enm2; i >= 1; --i) {
            const double w = h(i, i) - p;
            double ra = 0.0;
            double sa = h(i, en);
            for (int j = m; j <= na; ++j) {
                ra = ra + h(i, j) * h(j, na);
                sa = sa + h(i, j) * h(j, en);
            }
            if (wi(i) < 0.0) {
                zz = w;
                r = ra;
                s = sa;
                continue;
            }
            m = i;
            if (wi(i) == 0.0) {
                complexDivide(-ra, -sa, w, q, h(i, na), h(i, en));
                continue;
            }
            const double x = h(i, i + 1);
            const double y = h(i + 1, i);
            double vr = (wr(i) - p) * (wr(i) - p) + wi(i) * wi(i) - q * q;
            const double vi = (wr(i) - p) * 2.0 * q;
            if (vr == 0.0 && vi == 0.0)
                vr = machep * norm *
                     (std::fabs(w) + std::fabs(q) + std::fabs(x) + std::fabs(y) + std::fabs(zz));
            complexDivide(x * r - zz * ra + q * sa, x * s - zz * sa - q * ra, vr, vi, h(i, na),
                          h(i, en));
            if (std::fabs(x) > std::fabs(zz) + std::fabs(q)) {
                h(i + 1, na) = (-ra - w * h(i, na) + q * h(i, en)) / x;
                h(i + 1, en) = (-sa - w * h(i, en) - q * h(i, na)) / x;
            } else {
                complexDivide(-r - y * h(i, na), -s - y * h(i, en), zz, q, h(i + 1, na),
                              h(i + 1, en));
            }
        }
    }
}

}  // namespace

int qrVectors(const ActiveBlock& block, Square& h, Vector& wr, Vector& wi, Square& z) {
    const int n = h.order();
    const int low = block.low;
    const int igh = block.igh;

    double norm = 0.0;
    int k = 1;
    for (int i = 1; i <= n; ++i) {
        for (int j = k; j <= n; ++j) norm = norm + std::fabs(h(i, j));
        k = i;
        if (i >= low && i <= igh) continue;
        wr(i) = h(i, i);
        wi(i) = 0.0;
    }

    if (const int failed = iterate(block, h, wr, wi, z); failed != 0) return failed;
    if (norm == 0.0) return 0;

    backSubstitute(h, wr, wi, norm);

    // Vectors of the eigenvalues isolated by balancing.
    for (int i = 1; i <= n; ++i) {
        if (i >= low && i <= igh) continue;
        for (int j = i; j <= n; ++j) z(i, j) = h(i, j);
    }
    // Multiplication by the transformations: vectors of the full matrix.
    // Column j of h is copied once so that each sum runs along contiguous
    // memory; the order of its terms stays that of the method.
    std::vector<double> column(size_t(n) + 1, 0.0);
    for (int j = n; j >= low; --j) {
        const int m = std::min(j, igh);
        for (int kk = low; kk <= m; ++kk) column[size_t(kk)] = h(kk, j);
        for (int i = low; i <= igh; ++i) {
            const double* rowI = z.row(i);
            double zz = 0.0;
            for (int kk = low; kk <= m; ++kk) zz = zz + rowI[kk - 1] * column[size_t(kk)];
            z(i, j) = zz;
        }
    }
    return 0;
}

}  // namespace advanced::eigen
