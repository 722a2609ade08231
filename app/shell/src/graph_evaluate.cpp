#include "shell/graph_evaluate.h"

#include "engine/evaluator.h"

namespace shell {

GraphEvaluation graphEvaluate(const engine::EquationBlock& block, const double* samples,
                              KeypadCurve* curves, int16_t* traceCount) {
    if (block.status() == engine::kCommentLine || block.compileFailed() ||
        block.parsed() == nullptr)
        return {};
    const uint16_t code =
        runCodeForGraph(samples, curves, traceCount, block.parsed(),
                        block.graphColour() != 0 ? 1 : 0, block.degrees() ? 1 : 0);
    // Zero: nothing was drawn, the block is plotted from its values. Anything
    // else ended the list early on the engine's side (-1 when a library drew
    // the block).
    return GraphEvaluation{code != 0, code};
}

}  // namespace shell
