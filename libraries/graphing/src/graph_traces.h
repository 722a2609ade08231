// doGraph: the traces a graphed block's graphing operators draw into the
// graph view's curve table.
#ifndef ORVANA_GRAPHING_GRAPH_TRACES_H
#define ORVANA_GRAPHING_GRAPH_TRACES_H

#include <cstdint>

#include "graphing_codes.h"
#include "keypad.h"
#include "lattix.h"
#include "stack_arguments.h"

namespace graphing {

// One doGraph call.
struct GraphCall {
    KeypadCurve* curves;
    int16_t* traceCount;
    int32_t angleMode;
    Matrix* stack;
    int16_t* top;
    const HostServices* services;
};

// kTraceDrawn when the operator filled one or more traces (the value stack
// then holds the operator's answer as doOperation would leave it), a
// compile error of polarplot's expression, or kNoTrace with the stack
// untouched, for doOperation to answer or refuse.
int32_t graphOperator(OperatorCode op, const GraphCall& call);

// The parts of graphOperator in their own files.
int32_t graphPolarplot(const GraphCall& call, const Parameters& p);

// The answer of a drawn trace: parameter 1's entry stays the result.
int32_t traceDrawnWith(const GraphCall& call, const Parameters& p);

}  // namespace graphing

#endif
