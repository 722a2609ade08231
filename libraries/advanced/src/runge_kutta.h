// Linear differential equations with constant coefficients and a forcing
// term, and first-order equations dy/dx = f(x, y), integrated with the
// classical fourth-order Runge-Kutta method.
#ifndef ORVANA_ADVANCED_RUNGE_KUTTA_H
#define ORVANA_ADVANCED_RUNGE_KUTTA_H

#include <array>
#include <functional>
#include <span>

namespace advanced {

// The state (y, y', ..., y^(n-1)) holds at most this many entries.
constexpr int kMaxOrder = 12;

using State = std::array<double, kMaxOrder>;

// a(n) y^(n) + ... + a(1) y' + a(0) y = f(x, y), normalised by a(n): the
// derivative of the state is (y', ..., y^(n-1), f / a(n) - sum c(i) y^(i)).
struct Equation {
    int order = 1;
    double lead = 1.0;   // a(n)
    State normalised{};  // c(i) = a(i) / a(n)
    // The forcing term at x with y the first state entry.
    std::function<double(double x, double y)> forcing;
};

// One step of size h from x: the state becomes the state at x + h.
void rungeKuttaStep(const Equation& e, double x, double h, State& y);

// The solution over an equally spaced grid (spacing xs[1] - xs[0]): below
// x = 0 the curve is 0; the initial state belongs to x = 0 when the grid
// starts above it (the solution is carried from there in steps of the
// spacing until x(0) is reached), otherwise to
// the first grid point at or beyond 0. The value stored for each point is
// the first state entry after the step that starts there. False, with
// nothing stored, when the grid cannot be integrated (fewer than two points,
// a spacing that is not positive, or a start too far beyond 0 to reach).
bool integrateOverGrid(const Equation& e, std::span<const double> xs, const State& initial,
                       std::span<double> ys);

}  // namespace advanced

#endif
