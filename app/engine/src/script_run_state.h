// The state of the innermost running script, which the control tokens read
// and change while its blocks run.
#ifndef ORVANA_ENGINE_SCRIPT_RUN_STATE_H
#define ORVANA_ENGINE_SCRIPT_RUN_STATE_H

#include <string_view>

#include "engine/evaluator.h"
#include "lattix.h"

namespace engine {

struct ScriptRunState {
    int next = -1;                   // the block to run next; -1 stops
    bool reentry = false;            // the last transfer went back to this block or before
    Matrix* returnRecord = nullptr;  // what RETURN fills; null for a run in place
    int parameterCount = 0;
    const GraphTarget* graph = nullptr;  // set while a call runs in graph mode
};

// The innermost run; outside any script a scratch state nobody reads.
ScriptRunState& currentRun();

// Calls a Workspace; in graph mode (graph non-null) its blocks are graph
// evaluated into the target and the combined result is returned.
Status callWorkspaceIn(std::u16string_view name, const Matrix* args, int count, Matrix* result,
                       const GraphTarget* graph);

bool graphViewShowing();

}  // namespace engine

#endif
