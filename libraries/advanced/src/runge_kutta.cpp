// Runge-Kutta integration over the graph's grid.
#include "runge_kutta.h"

#include <cmath>

namespace advanced {
namespace {

// Steps taken from 0 to reach a grid that starts above 0; a grid further
// away than this many steps is not drawn.
constexpr double kMaxLeadInSteps = 1000000.0;

State derivative(const Equation& e, double x, const State& y) {
    State d{};
    const int n = e.order;
    for (int i = 0; i + 1 < n; ++i) d[i] = y[i + 1];
    double sum = 0.0;
    for (int i = 0; i < n; ++i) sum += e.normalised[i] * y[i];
    d[n - 1] = e.forcing(x, y[0]) / e.lead - sum;
    return d;
}

}  // namespace

void rungeKuttaStep(const Equation& e, double x, double h, State& y) {
    const int n = e.order;
    const double half = h / 2.0;
    State stage{};
    const State k1 = derivative(e, x, y);
    for (int i = 0; i < n; ++i) stage[i] = y[i] + half * k1[i];
    const State k2 = derivative(e, x + half, stage);
    for (int i = 0; i < n; ++i) stage[i] = y[i] + half * k2[i];
    const State k3 = derivative(e, x + half, stage);
    for (int i = 0; i < n; ++i) stage[i] = y[i] + h * k3[i];
    const State k4 = derivative(e, x + h, stage);
    for (int i = 0; i < n; ++i)
        y[i] = y[i] + (k1[i] + 2.0 * (k2[i] + k3[i]) + k4[i]) * h * (1.0 / 6.0);
}

bool integrateOverGrid(const Equation& e, std::span<const double> xs, const State& initial,
                       std::span<double> ys) {
    const size_t n = xs.size();
    if (n < 2 || ys.size() < n) return false;
    const double h = xs[1] - xs[0];
    if (!(h > 0.0) || !std::isfinite(h) || !std::isfinite(xs[0])) return false;

    State y = initial;
    size_t start = 0;
    if (xs[0] > 0.0) {
        if (xs[0] / h > kMaxLeadInSteps) return false;
        // Step k starts at k*h rather than at a running sum, so that a grid
        // start that is a whole number of steps away is reached exactly.
        for (double k = 0.0; k * h < xs[0]; k += 1.0) rungeKuttaStep(e, k * h, h, y);
    } else {
        while (start < n && xs[start] < 0.0) ys[start++] = 0.0;
    }
    for (size_t j = start; j < n; ++j) {
        rungeKuttaStep(e, xs[j], h, y);
        ys[j] = y[0];
    }
    return true;
}

}  // namespace advanced
