// The trace of polarplot: r = f(t) sampled over a range of angles, or rows
// of (r, theta) pairs, turned into x and y.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "compiled_expression.h"
#include "graph_traces.h"
#include "trace_record.h"

namespace graphing {
namespace {

constexpr TraceStyle kPolarStyle{1, 0, 0};
// Without a range of its own, t runs over one turn in these steps.
constexpr double kDegreesTurn = 360.0;
constexpr double kDegreesStep = 4.0;
constexpr double kRadiansTurn = 6.2832;
constexpr double kRadiansStep = 0.07;
// Narrow ranges get this many points; wide ones one per step, at most kMost.
constexpr int kFewest = 200;
constexpr int kMost = 500;

struct PolarRequest {
    double start;
    double end;
    double step;
    const Matrix* options = nullptr;
    const Matrix* label = nullptr;
};

// The angle range and the option and label parameters for k parameters;
// false when a range bound is no finite number.
bool readRequest(const Parameters& p, bool degrees, PolarRequest& out) {
    out.start = 0.0;
    out.end = degrees ? kDegreesTurn : kRadiansTurn;
    out.step = degrees ? kDegreesStep : kRadiansStep;
    const int k = p.count();
    bool range = false;
    if (k == 2) {
        out.options = &p[2];
    } else if (k == 3 && isString(p[3])) {
        out.options = &p[2];
        out.label = &p[3];
    } else if (k >= 3) {
        range = true;
        if (k >= 4) out.options = &p[4];
        if (k == 5) out.label = &p[5];
    }
    if (range) {
        if (!isNumeric(p[2]) || !isNumeric(p[3])) return false;
        out.start = p[2].re[0];
        out.end = p[3].re[0];
        if (out.start > out.end) std::swap(out.start, out.end);
    }
    return std::isfinite(out.start) && std::isfinite(out.end);
}

// The number of points and the step between them: one point per default
// step when the range holds more than 200 of them (at most 500), otherwise
// 200 points.
int pointCount(PolarRequest& r) {
    const double span = r.end - r.start;
    if (span * 0.005 > r.step) {
        const double steps = std::min(std::trunc(span / r.step), double(kMost));
        r.step = span / steps;
        return int(steps);
    }
    r.step = span * 0.005;
    return kFewest;
}

struct PolarPoint {
    double x;
    double y;
};

PolarPoint toCartesian(double r, double angle, double toRadians) {
    const double a = angle * toRadians;
    return {r * std::cos(a), r * std::sin(a)};
}

// The points of f(t): t set to each angle in turn and restored afterwards;
// an angle where f fails or gives no number becomes a gap. A compile error
// of f is the answer.
Status sampleExpression(const GraphCall& call, std::u16string_view f, PolarRequest& request,
                        double toRadians, std::vector<PolarPoint>& points) {
    CompiledExpression expression(call.services);
    if (const Status s = expression.compile(f); s != kOk) return s;
    uint16_t handle = call.services->findVariable(u"t");
    if (handle == KEYPAD_NO_VARIABLE) handle = call.services->createVariable(u"t");
    if (handle == KEYPAD_NO_VARIABLE) return kInvalidParameter;
    const int n = pointCount(request);
    const SavedVariable t(call.services, handle);
    for (int i = 0; i < n; ++i) {
        const double angle = request.start + i * request.step;
        t.set(angle);
        double r = 0.0;
        if (expression.run(call.angleMode, r) == kOk)
            points.push_back(toCartesian(r, angle, toRadians));
        else
            points.push_back({0.0, KEYPAD_CURVE_GAP});
    }
    return kOk;
}

// (r, theta) pair rows of a numeric value with two columns, or null.
const Matrix* pairRows(const Matrix* m) {
    return m != nullptr && isNumeric(*m) && m->cols == 2 ? m : nullptr;
}

}  // namespace

int32_t graphPolarplot(const GraphCall& call, const Parameters& p) {
    const bool degrees = call.angleMode != 0;
    const double toRadians = degrees ? std::numbers::pi / 180.0 : 1.0;
    PolarRequest request{};
    if (!readRequest(p, degrees, request)) return kNoTrace;
    // A name stands for its variable when that holds (r, theta) rows; any
    // other text is an expression in t.
    const Matrix* pairs = pairRows(isString(p[1]) ? resolveData(p[1], call.services) : &p[1]);
    if (pairs == nullptr && !isString(p[1])) return kNoTrace;
    if (call.services == nullptr) return kNoTrace;

    std::vector<PolarPoint> points;
    if (pairs != nullptr) {
        const int n = std::min(int(pairs->rows), int(INT16_MAX));
        for (int i = 0; i < n; ++i)
            points.push_back(toCartesian(pairs->re[2 * i], pairs->re[2 * i + 1], toRadians));
    } else if (const Status s = sampleExpression(call, textOf(p[1]), request, toRadians, points);
               s != kOk) {
        return s;
    }

    KeypadCurve* c = nextTrace(call.curves, call.traceCount);
    const int n = int(points.size());
    if (c == nullptr || !reserveXY(*c, n)) return kNoTrace;
    TraceStyle style{kPolarStyle.lineFlag, kPolarStyle.markStyle, c->colour};
    if (request.options != nullptr) style = applyOptions(textOf(*request.options), style);
    beginTrace(*c, style);
    if (request.label != nullptr) setLabel(*c, textOf(*request.label));
    for (int i = 0; i < n; ++i) {
        c->x[i] = points[size_t(i)].x;
        c->y[i] = points[size_t(i)].y;
    }
    setWidenedRanges(*c, n);
    finishTrace(*c, n, call.traceCount);
    return traceDrawnWith(call, p);
}

}  // namespace graphing
