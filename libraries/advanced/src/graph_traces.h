// The curves this library draws for the graph view: the solutions of rk and
// lti, and the running integral of integ with the "x" option.
#ifndef ORVANA_ADVANCED_GRAPH_TRACES_H
#define ORVANA_ADVANCED_GRAPH_TRACES_H

#include <cstdint>

#include "advanced_codes.h"
#include "keypad.h"
#include "lattix.h"

namespace advanced {

// One doGraph call.
struct GraphCall {
    const double* samples;  // the first x value; the count is the double before it
    KeypadCurve* curves;
    int16_t* traceCount;
    int32_t angleMode;
    Matrix* stack;
    int16_t* top;
    const HostServices* services;
};

// What doGraph answers: a curve was drawn, nothing to contribute, or the
// formula of rk or lti did not compile.
constexpr int32_t kTraceDrawn = -1;
constexpr int32_t kNoTrace = 0;
constexpr int32_t kFormulaFailed = 1;

int32_t graphOperator(OperatorCode op, const GraphCall& call);

}  // namespace advanced

#endif
