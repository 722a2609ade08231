// Evaluating one block for the graph: the block's code list runs with the
// graph's sample buffer and curve records at hand, so that a keypad library
// operator in it can draw the block's curve itself (its doGraph).
#ifndef ORVANA_SHELL_GRAPH_EVALUATE_H
#define ORVANA_SHELL_GRAPH_EVALUATE_H

#include <cstdint>

#include "engine/equation_block.h"
#include "keypad.h"

namespace shell {

// What graph-evaluating a block gave.
struct GraphEvaluation {
    // True when the engine (a library's doGraph, or a Workspace called in
    // graph mode) took the block over: its curves, if any, stand as
    // produced and the block is not sampled column by column.
    bool produced = false;
    uint16_t code = 0;
};

// A comment line or a block without a code list (also one that failed to
// compile) gives "nothing produced". The list runs above the current top of
// the value stack; the caller puts the top where a block starts.
// Otherwise the list runs through runCodeForGraph with the block's angle
// mode, `samples` (the first x value; the count is the double before it),
// the curve table and the index of its next free record, asking libraries
// to draw exactly when the block carries a graph colour.
GraphEvaluation graphEvaluate(const engine::EquationBlock& block, const double* samples,
                              KeypadCurve* curves, int16_t* traceCount);

}  // namespace shell

#endif
