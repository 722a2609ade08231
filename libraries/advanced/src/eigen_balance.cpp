// Balancing with radix 16: exact powers of the radix change no bits of the
// elements, only their exponents.
#include "eigen_balance.h"

#include <cmath>
#include "platform/long_work.h"

namespace advanced::eigen {
namespace {

constexpr double kRadix = 16.0;
constexpr double kAcceptance = 0.95;
// The norm-reduction sweeps end on their own for finite elements; this only
// guards against elements so extreme that the scale factors overflow.
constexpr int kMaxSweeps = 10000;
// More powers of 16 than the whole exponent range of a double spans.
constexpr int kMaxScalings = 600;

void exchange(Square& a, int n, int j, int m, int k, int l) {
    if (j == m) return;
    for (int i = 1; i <= l; ++i) {
        const double f = a(i, j);
        a(i, j) = a(i, m);
        a(i, m) = f;
    }
    for (int i = k; i <= n; ++i) {
        const double f = a(j, i);
        a(j, i) = a(m, i);
        a(m, i) = f;
    }
}

}  // namespace

ActiveBlock balance(Square& a, Vector& scale) {
    const int n = a.order();
    const double b2 = kRadix * kRadix;
    int k = 1;
    int l = n;

    // Rows isolating an eigenvalue are pushed down, one at a time, each time
    // searching again from the new last row.
    for (bool found = true; found && l >= 1;) {
        found = false;
        for (int j = l; j >= 1; --j) {
            bool isolated = true;
            for (int i = 1; i <= l && isolated; ++i)
                if (i != j && a(j, i) != 0.0) isolated = false;
            if (!isolated) continue;
            scale(l) = j;
            exchange(a, n, j, l, k, l);
            if (l == 1) {
                return {k, l};
            }
            --l;
            found = true;
            break;
        }
    }

    // Columns isolating an eigenvalue are pushed left.
    for (bool found = true; found;) {
        found = false;
        for (int j = k; j <= l; ++j) {
            bool isolated = true;
            for (int i = k; i <= l && isolated; ++i)
                if (i != j && a(i, j) != 0.0) isolated = false;
            if (!isolated) continue;
            scale(k) = j;
            exchange(a, n, j, k, k, l);
            ++k;
            found = true;
            break;
        }
    }

    for (int i = k; i <= l; ++i) scale(i) = 1.0;

    bool noconv = true;
    for (int sweep = 0; noconv && sweep < kMaxSweeps; ++sweep) {
        if (platformLongWorkPoll(size_t(n) * size_t(l - k + 1)) != 0) break;
        noconv = false;
        for (int i = k; i <= l; ++i) {
            double c = 0.0;
            double r = 0.0;
            for (int j = k; j <= l; ++j) {
                if (j == i) continue;
                c = c + std::fabs(a(j, i));
                r = r + std::fabs(a(i, j));
            }
            // Zero sums from underflow, or sums no scaling can bring together.
            if (c == 0.0 || r == 0.0 || !std::isfinite(c) || !std::isfinite(r)) continue;
            double g = r / kRadix;
            double f = 1.0;
            const double s = c + r;
            // Each loop moves c by a power of 256 towards r; the guards only
            // matter when c * 256 or r * 16 overflow.
            for (int guard = 0; c < g && guard < kMaxScalings; ++guard) {
                f = f * kRadix;
                c = c * b2;
            }
            g = r * kRadix;
            for (int guard = 0; c >= g && guard < kMaxScalings; ++guard) {
                f = f / kRadix;
                c = c / b2;
            }
            if ((c + r) / f >= kAcceptance * s) continue;
            g = 1.0 / f;
            scale(i) = scale(i) * f;
            noconv = true;
            double* rowI = a.row(i);
            for (int j = k; j <= n; ++j) rowI[j - 1] = rowI[j - 1] * g;
            for (int j = 1; j <= l; ++j) a(j, i) = a(j, i) * f;
        }
    }
    return {k, l};
}

void balanceBack(const ActiveBlock& block, const Vector& scale, int m, Square& z) {
    const int n = z.order();
    const int low = block.low;
    const int igh = block.igh;
    if (m == 0) return;
    if (igh != low) {
        for (int i = low; i <= igh; ++i) {
            const double s = scale(i);
            double* rowI = z.row(i);
            for (int j = 1; j <= m; ++j) rowI[j - 1] = rowI[j - 1] * s;
        }
    }
    for (int ii = 1; ii <= n; ++ii) {
        int i = ii;
        if (i >= low && i <= igh) continue;
        if (i < low) i = low - ii;
        const int k = int(scale(i));
        if (k == i) continue;
        double* rowI = z.row(i);
        double* rowK = z.row(k);
        for (int j = 1; j <= m; ++j) {
            const double s = rowI[j - 1];
            rowI[j - 1] = rowK[j - 1];
            rowK[j - 1] = s;
        }
    }
}

}  // namespace advanced::eigen
