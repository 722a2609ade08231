// Romberg integration: trapezoid sums over 10, 20, 40, ... panels and
// Richardson extrapolation with the factor 4^i - 1, which removes the h^2i
// error term at level i, so polynomials of degree 3 or less are integrated
// exactly and the tolerance bounds the change of the extrapolated value.
#include "romberg_integration.h"

#include <cmath>

namespace advanced {

Integral rombergIntegral(const PointFunction& f, double a, double b, double tol) {
    constexpr int kSize = kRombergLevels + 1;
    double t[kSize + 1][kSize + 1] = {};  // t[i][n], 1-based as in the method

    double h = (b - a) * 0.1;
    const double fa = f(a);
    const double fb = f(b);
    double inner = 0.0;
    double x = a;
    for (int k = 1; k <= 9; ++k) {
        x += h;
        inner += f(x);
    }
    double s = fa + fb + 2.0 * inner;
    t[1][1] = s * h * 0.5;

    long points = 10;  // new points of the next level: 10 * 2^(n-1)
    for (int n = 1;; ++n) {
        h *= 0.5;
        double sum = 0.0;
        x = a + h;
        for (long k = 0; k < points; ++k) {
            if (k > 0) x += 2.0 * h;
            sum += f(x);
        }
        points *= 2;
        s += 2.0 * sum;
        t[1][n + 1] = s * h * 0.5;
        double power = 1.0;
        for (int i = 1; i <= n; ++i) {
            power *= 4.0;
            t[i + 1][n + 1] = t[i][n + 1] + (t[i][n + 1] - t[i][n]) / (power - 1.0);
        }
        // A NaN difference is "greater" in no way: it converges nowhere.
        const double change = std::fabs(t[n + 1][n + 1] - t[n][n + 1]);
        if (change <= tol) return {t[n + 1][n + 1], kOk};
        if (n + 1 > kRombergLevels) return {t[n + 1][n + 1], kTooManyIterations};
    }
}

}  // namespace advanced
