// Simpson's rule. The points are visited in the order a, b, b - h, then
// a + h ... a + (m - 2)h, each computed as i*h + a rather than by repeated
// addition.
#include "simpson_integration.h"

namespace advanced {

double simpsonIntegral(const PointFunction& f, double a, double b, long m) {
    m += m % 2;
    if (m < 3) m = 4;
    const double h = (b - a) / double(m);
    const double fa = f(a);
    const double fb = f(b);
    const double fLast = f(b - h);
    double odd = 0.0;
    double even = 0.0;
    for (long i = 1; i <= m - 2; ++i) {
        const double v = f(double(i) * h + a);
        if (i % 2 != 0)
            odd += v;
        else
            even += v;
    }
    return (fa + fb + 4.0 * fLast + 4.0 * odd + 2.0 * even) * h * (1.0 / 3.0);
}

}  // namespace advanced
