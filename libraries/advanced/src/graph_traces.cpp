// doGraph: the curve of an rk, lti or integ(..., "x") call, one value per
// graph column, filled into the next free curve record.
#include "graph_traces.h"

#include <span>
#include <vector>

#include "equation_arguments.h"
#include "formula.h"
#include "platform/heap.h"
#include "romberg_integration.h"
#include "runge_kutta.h"
#include "stack_arguments.h"

namespace advanced {
namespace {

constexpr double kRunningIntegralTolerance = 1e-6;
// Spare points the y array gets beyond the sample count.
constexpr int kSpare = 5;

// The graph's x grid, or an empty span when the buffer is unusable.
std::span<const double> sampleGrid(const GraphCall& call) {
    const double count = call.samples[-1];
    if (!(count >= 2.0) || count > double(UINT16_MAX - kSpare)) return {};
    return {call.samples, size_t(count)};
}

// The next free curve record with room for n values in its y array.
KeypadCurve* curveFor(const GraphCall& call, size_t n) {
    const int16_t index = *call.traceCount;
    if (index < 0 || index >= KEYPAD_CURVE_COUNT) return nullptr;
    KeypadCurve& c = call.curves[index];
    const size_t needed = n + kSpare;
    if (c.capacity < needed || c.y == nullptr) {
        platformHeapFree(c.x);
        platformHeapFree(c.y);
        platformHeapFree(c.auxiliary);
        platformHeapFree(c.penUp);
        c.x = nullptr;
        c.auxiliary = nullptr;
        c.penUp = nullptr;
        c.y = static_cast<double*>(platformHeapAlloc(needed * sizeof(double)));
        c.capacity = c.y != nullptr ? uint16_t(needed) : 0;
        if (c.y == nullptr) return nullptr;
    }
    return &c;
}

// Stores the values and the ranges, and takes the record into use.
void finishCurve(const GraphCall& call, KeypadCurve& c, std::span<const double> xs,
                 std::span<const double> ys) {
    double smallest = 1e300;
    double largest = -1e300;
    for (size_t i = 0; i < xs.size(); ++i) {
        c.y[i] = ys[i];
        if (ys[i] < smallest) smallest = ys[i];
        if (ys[i] > largest) largest = ys[i];
    }
    c.pointsAtSamples = 1;
    c.pointCount = int16_t(xs.size());
    c.firstX = xs.front();
    c.lastX = xs.back();
    c.smallestY = smallest - 0.1 * (largest - smallest);
    c.largestY = largest + 0.1 * (largest - smallest);
    ++*call.traceCount;
}

// The solution of an equation drawn over the grid; the value at the last
// grid point goes into result.
int32_t drawSolution(const GraphCall& call, const Matrix& text, Equation equation,
                     const State& initial, Matrix& result) {
    const std::span<const double> xs = sampleGrid(call);
    if (xs.empty()) return kNoTrace;
    Formula formula(call.services, call.angleMode);
    if (formula.compile(text) != kOk) return kFormulaFailed;
    Variable x;
    Variable y;
    if (Variable::find(call.services, u"x", x) != kOk) return kNoTrace;
    if (Variable::find(call.services, u"y", y) != kOk) return kNoTrace;

    std::vector<double> ys(xs.size(), 0.0);
    {
        const SavedValue savedX(x);
        const SavedValue savedY(y);
        equation.forcing = [&](double at, double yAt) {
            y.set(yAt);
            return formula.at(x, at);
        };
        if (!integrateOverGrid(equation, xs, initial, ys)) return kNoTrace;
    }
    // A formula that failed at some point draws nothing.
    if (formula.failure() != kOk) return kFormulaFailed;
    KeypadCurve* curve = curveFor(call, xs.size());
    if (curve == nullptr) return kNoTrace;
    finishCurve(call, *curve, xs, ys);
    copyValMatrix(&result, ys.back(), 0.0);
    return kTraceDrawn;
}

int32_t graphRk(const GraphCall& call) {
    Arguments args(call.stack, 0, 0);
    if (fixedArguments(call.stack, call.top, 2, args) != kOk) return kNoTrace;
    double k = 0.0;
    if (!isString(args[0]) || firstReal(args[1], k) != kOk) return kNoTrace;
    Equation equation;  // y' = f(x, y): order 1, a(1) = 1, c(0) = 0
    State initial{};
    initial[0] = k;
    const int32_t r = drawSolution(call, args[0], equation, initial, args[0]);
    if (r == kTraceDrawn) *call.top = int16_t(args.firstSlot());
    return r;
}

int32_t graphLti(const GraphCall& call) {
    Arguments args(call.stack, 0, 0);
    if (variableArguments(call.stack, call.top, args) != kOk) return kNoTrace;
    LinearArguments linear;
    if (readLinearArguments(args, linear) != kOk) return kNoTrace;
    Equation equation;
    equation.order = linear.order;
    equation.lead = linear.lead;
    equation.normalised = linear.normalised;
    const int32_t r = drawSolution(call, args[linear.formula], equation, linear.initial, args[0]);
    if (r == kTraceDrawn) *call.top = int16_t(args.firstSlot());
    return r;
}

// The running integral from a over the grid: Romberg up to the first grid
// point at or beyond a, then Simpson-like steps over pairs of intervals.
void runningIntegral(Formula& formula, const Variable& x, double a, std::span<const double> xs,
                     std::span<double> ys) {
    const size_t n = xs.size();
    const double h = xs[1] - xs[0];
    size_t i = 0;
    while (i < n && !(xs[i] >= a)) ys[i++] = 0.0;
    if (i == n) return;
    const auto f = [&](double at) { return formula.at(x, at); };
    const double integral = rombergIntegral(f, a, xs[i], kRunningIntegralTolerance).value;
    ys[i] = integral;
    double s = 3.0 * integral / h;
    size_t j = i;
    double f0 = f(xs[j]);
    while (j + 2 <= n - 1) {
        const double f1 = f(xs[j + 1]);
        const double f2 = f(xs[j + 2]);
        ys[j + 1] = h * (s / 3.0 + (5.0 * f0 + 8.0 * f1 - f2) / 12.0);
        s = s + f0 + 4.0 * f1 + f2;
        ys[j + 2] = s * h / 3.0;
        f0 = f2;
        j += 2;
    }
    // An odd number of intervals leaves the last point: one more step of the
    // three-point formula, through the point one spacing beyond the grid.
    if (j + 1 == n - 1) {
        const double f1 = f(xs[j + 1]);
        const double f2 = f(xs[j + 1] + h);
        ys[j + 1] = h * (s / 3.0 + (5.0 * f0 + 8.0 * f1 - f2) / 12.0);
    }
}

int32_t graphInteg(const GraphCall& call) {
    Arguments args(call.stack, 0, 0);
    if (variableArguments(call.stack, call.top, args) != kOk) return kNoTrace;
    if (args.count() != 4 || !isString(args[3]) || !isString(args[0])) return kNoTrace;
    double a = 0.0;
    if (firstReal(args[1], a) != kOk) return kNoTrace;
    const std::span<const double> xs = sampleGrid(call);
    if (xs.empty() || !(xs[1] - xs[0] > 0.0)) return kNoTrace;
    Formula formula(call.services, call.angleMode);
    if (formula.compile(args[0]) != kOk) return kNoTrace;
    Variable x;
    if (Variable::find(call.services, u"x", x) != kOk) return kNoTrace;

    std::vector<double> ys(xs.size(), 0.0);
    {
        const SavedValue saved(x);
        runningIntegral(formula, x, a, xs, ys);
    }
    if (formula.failure() != kOk) return kFormulaFailed;
    KeypadCurve* curve = curveFor(call, xs.size());
    if (curve == nullptr) return kNoTrace;
    finishCurve(call, *curve, xs, ys);
    copyValMatrix(&args[0], ys.back(), 0.0);
    *call.top = int16_t(args.firstSlot());
    return kTraceDrawn;
}

}  // namespace

int32_t graphOperator(OperatorCode op, const GraphCall& call) {
    if (call.samples == nullptr || call.curves == nullptr || call.traceCount == nullptr)
        return kNoTrace;
    switch (op) {
        case kRk:
            return graphRk(call);
        case kLti:
            return graphLti(call);
        case kInteg:
            return graphInteg(call);
        default:
            return kNoTrace;
    }
}

}  // namespace advanced
