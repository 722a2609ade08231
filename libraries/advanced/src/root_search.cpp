// The root search: the unbounded start, the bracketing scan and Brent's
// method, with the constants users' results depend on.
#include "root_search.h"

#include <algorithm>
#include <cmath>

namespace advanced {
namespace {

double signOf(double v) {
    return v < 0.0 ? -1.0 : 1.0;
}

bool sameStrictSign(double u, double v) {
    return (u > 0.0 && v > 0.0) || (u < 0.0 && v < 0.0);
}

// Steps out from 0 with damped secant steps until the sign of f changes;
// gives the start and the last point reached.
Bounds stepOut(const PointFunction& f, const std::function<bool()>& lastRunFailed) {
    double x = 0.0;
    double f0 = f(x);
    if (lastRunFailed()) {
        x = 0.0001;
        f0 = f(x);
    }
    const double s0 = signOf(f0);
    const double x0 = x;
    for (int i = 0; i < 50; ++i) {
        x = x + 0.0001;
        const double f1 = f(x);
        const double d = f1 - f0;
        if (std::fabs(d) > 1e-10) {
            x = x - (f0 / d) * 0.00012;
            f0 = f(x);
            if (signOf(f0) != s0) break;
        }
    }
    return {x0, x};
}

// Scans [x0, x1] ever finer for the first point where f takes the sign
// opposite to fa; that point becomes the new upper end.
bool scanForSignChange(const PointFunction& f, double x0, double& x1, double fa, double& fb) {
    if (!(x0 <= x1)) return false;
    for (int k = 10; k < 200; k *= 3) {
        const double step = (x1 - x0) / double(k);
        double p = x0;
        for (int j = 0; j <= k && p <= x1; ++j, p += step) {
            const double v = f(p);
            if ((fa > 0.0 && v < 0.0) || (fa < 0.0 && v > 0.0)) {
                x1 = p;
                fb = v;
                return true;
            }
        }
    }
    return false;
}

// Brent's method on a bracket [a, b] with f(a) = fa, f(b) = fb.
bool brent(const PointFunction& f, double a, double b, double fa, double fb, double& root) {
    constexpr double tol = kRootTolerance;
    constexpr double eps = kRootEpsilon;
    double c = b;
    double fc = fb;
    double d = 0.0;
    double e = 0.0;
    for (int iteration = 0; iteration < kBrentIterations; ++iteration) {
        if (sameStrictSign(fb, fc)) {
            c = a;
            fc = fa;
            e = d = b - a;
        }
        if (std::fabs(fc) < std::fabs(fb)) {
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tol1 = 2.0 * eps * std::fabs(b) + 0.5 * tol;
        const double xm = 0.5 * (c - b);
        if (std::fabs(xm) <= tol1 || fb == 0.0) {
            root = b;
            return true;
        }
        if (std::fabs(e) >= tol1 && std::fabs(fa) > std::fabs(fb)) {
            const double s = fb / fa;
            double p = 0.0;
            double q = 0.0;
            if (a == c) {
                p = 2.0 * xm * s;
                q = 1.0 - s;
            } else {
                q = fa / fc;
                const double r = fb / fc;
                p = s * (2.0 * xm * q * (q - r) - (b - a) * (r - 1.0));
                q = (q - 1.0) * (r - 1.0) * (s - 1.0);
            }
            if (p > 0.0) q = -q;
            p = std::fabs(p);
            const double min1 = 3.0 * xm * q - std::fabs(tol1 * q);
            const double min2 = std::fabs(e * q);
            if (2.0 * p < std::min(min1, min2)) {
                e = d;
                d = p / q;
            } else {
                d = xm;
                e = d;
            }
        } else {
            d = xm;
            e = d;
        }
        a = b;
        fa = fb;
        if (std::fabs(d) > tol1)
            b += d;
        else
            b += xm >= 0.0 ? std::fabs(tol1) : -std::fabs(tol1);
        fb = f(b);
    }
    return false;
}

}  // namespace

Root findRoot(const PointFunction& f, const std::function<bool()>& lastRunFailed,
              std::optional<Bounds> bounds) {
    const Bounds start = bounds ? *bounds : stepOut(f, lastRunFailed);
    const double x0 = start.lower;
    double x1 = start.upper;
    const double fa = f(x0);
    double fb = f(x1);
    const bool scanned = sameStrictSign(fa, fb);
    if (scanned && !scanForSignChange(f, x0, x1, fa, fb)) return {0.0, kNoBracket};
    double root = 0.0;
    if (brent(f, x0, x1, fa, fb, root)) return {root, kOk};
    return {0.0, scanned ? kNoBracket : kTooManyIterations};
}

}  // namespace advanced
