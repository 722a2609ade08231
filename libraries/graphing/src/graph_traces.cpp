// The traces of drawgraph (the pen path), plot and line (matrix columns and
// vectors) and of the texts label and title.
#include "graph_traces.h"

#include <algorithm>

#include "keypad_support/stack_values.h"
#include "pen_path.h"
#include "trace_record.h"

namespace graphing {
namespace {

constexpr TraceStyle kLineStyle{1, 0, 0};
constexpr TraceStyle kMarkStyle{0, 3, 0};
constexpr int16_t kLabelMark = 10;
constexpr int16_t kTitleMark = 11;
constexpr uint16_t kTextTraceKeep = 20;

// The style an operator starts a trace with, in the colour the main program
// preset for the block.
TraceStyle startStyle(const KeypadCurve& c, TraceStyle style) {
    style.colour = c.colour;
    return style;
}

int32_t graphDrawgraph(const GraphCall& call) {
    Parameters p;
    if (variableParameters(call.stack, call.top, p) != kOk) return kNoTrace;
    KeypadCurve* c = nextTrace(call.curves, call.traceCount);
    const PenPath& path = penPath();
    if (c == nullptr || !reserveWithPens(*c, path.size())) return kNoTrace;
    TraceStyle style = startStyle(*c, kLineStyle);
    if (p.count() >= 1) style = applyOptions(textOf(p[1]), style);
    beginTrace(*c, style);
    if (p.count() == 2) setLabel(*c, textOf(p[2]));
    std::copy_n(path.xs(), path.size(), c->x);
    std::copy_n(path.ys(), path.size(), c->y);
    std::copy_n(path.pens(), path.size(), c->penUp);
    setWidenedRanges(*c, path.size());
    finishTrace(*c, path.size(), call.traceCount);
    if (p.count() >= 1) copyValMatrix(&p[1], 0.0, 0.0);
    return traceDrawnWith(call, p);
}

// The x and y of point i of plot data: a vector's elements against their
// index, or column 1 against column `column` (0-based) of a matrix.
struct PlotData {
    const Matrix& m;
    bool vector;
    int points() const { return vector ? int(m.rows) * int(m.cols) : int(m.rows); }
    int traces() const { return vector ? 1 : int(m.cols) - 1; }
    double x(int i) const { return vector ? double(i) : m.re[size_t(i) * m.cols]; }
    double y(int i, int trace) const {
        return vector ? m.re[i] : m.re[size_t(i) * m.cols + size_t(trace) + 1];
    }
};

int32_t graphPlot(const GraphCall& call, bool line) {
    Parameters p;
    if (line ? fixedParameters(call.stack, call.top, 1, p) != kOk
             : variableParameters(call.stack, call.top, p) != kOk || p.count() < 1 ||
                   p.count() > 3)
        return kNoTrace;
    for (int i = 2; i <= p.count(); ++i)
        if (!isString(p[i])) return kNoTrace;
    const Matrix* data = resolveData(p[1], call.services);
    if (data == nullptr || !isNumeric(*data)) return kNoTrace;
    const PlotData plot{*data, data->rows == 1 || data->cols == 1};
    // A trace's point count is 16-bit signed: longer data are cut.
    const int n = std::min(plot.points(), int(INT16_MAX));

    KeypadCurve* first = nextTrace(call.curves, call.traceCount);
    if (first == nullptr) return kNoTrace;
    TraceStyle style = startStyle(*first, line ? kLineStyle : kMarkStyle);
    if (p.count() >= 2) style = applyOptions(textOf(p[2]), style);
    int drawn = 0;
    for (int t = 0; t < plot.traces(); ++t, ++drawn) {
        KeypadCurve* c = nextTrace(call.curves, call.traceCount);
        if (c == nullptr || !reserveXY(*c, n)) break;
        beginTrace(*c, TraceStyle{style.lineFlag, style.markStyle, int16_t(style.colour + t)});
        if (t == 0 && p.count() == 3) setLabel(*c, textOf(p[3]));
        for (int i = 0; i < n; ++i) {
            c->x[i] = plot.x(i);
            c->y[i] = plot.y(i, t);
        }
        setWidenedRanges(*c, n);
        finishTrace(*c, n, call.traceCount);
    }
    return drawn > 0 ? traceDrawnWith(call, p) : kNoTrace;
}

int32_t graphText(const GraphCall& call, int16_t mark) {
    Parameters p;
    if (variableParameters(call.stack, call.top, p) != kOk || p.count() < 3 || p.count() > 4 ||
        !isScalar(p[1]) || !isScalar(p[2]) || !isString(p[3]) ||
        (p.count() == 4 && !isString(p[4])))
        return kNoTrace;
    KeypadCurve* c = nextTrace(call.curves, call.traceCount);
    if (c == nullptr) return kNoTrace;
    // Small arrays are kept for reuse; large ones give their memory back.
    if (c->capacity == 0 || c->capacity > kTextTraceKeep) keypad_support::releaseCurveArrays(*c);
    if (!reserveXY(*c, 1)) return kNoTrace;
    int16_t colour = c->colour;
    if (p.count() == 4) colour = applyColourOptions(textOf(p[4]), colour);
    beginTrace(*c, TraceStyle{0, mark, colour});
    setLabel(*c, textOf(p[3]));
    const double x = p[1].re[0];
    const double y = p[2].re[0];
    c->x[0] = x;
    c->y[0] = y;
    c->firstX = x - 0.5;
    c->lastX = x + 0.5;
    c->smallestY = y - 0.5;
    c->largestY = y + 0.5;
    finishTrace(*c, 1, call.traceCount);
    return traceDrawnWith(call, p);
}

}  // namespace

int32_t traceDrawnWith(const GraphCall& call, const Parameters& p) {
    *call.top = int16_t(p.firstSlot());
    return kTraceDrawn;
}

int32_t graphOperator(OperatorCode op, const GraphCall& call) {
    if (call.stack == nullptr || call.top == nullptr) return kNoTrace;
    switch (op) {
        case kDrawgraph:
            return graphDrawgraph(call);
        case kPlot:
            return graphPlot(call, false);
        case kLine:
            return graphPlot(call, true);
        case kPolarplot: {
            Parameters p;
            if (variableParameters(call.stack, call.top, p) != kOk || p.count() < 1 ||
                p.count() > 5)
                return kNoTrace;
            return graphPolarplot(call, p);
        }
        case kLabel:
            return graphText(call, kLabelMark);
        case kTitle:
            return graphText(call, kTitleMark);
        default:
            return kNoTrace;
    }
}

}  // namespace graphing
