// The one engine state and its reset.
#include "engine/engine_state.h"

#include <algorithm>

#include "engine/script_cache.h"
#include "engine_state_data.h"

namespace engine {

EngineStateData theEngineState;

EngineState& engineState() { return theEngineState; }

void EngineState::reset() {
    EngineStateData& s = static_cast<EngineStateData&>(*this);
    resetVariables();
    resetUserFunctions();
    clearScriptCache();

    s.scratchRun = ScriptRunState{};
    s.innermostRun = nullptr;
    s.aborted = false;
    s.graphShowing = false;
    s.callFailure.reset();
    s.directLoopBlocks = true;

    s.answerIndex = -1;
    s.answerSource = nullptr;
    s.evaluating = false;
    s.elementwise = false;
    s.nesting = 0;

    s.stackTop = kBlockStartTop;
    resetStack();
    const char16_t defaultFormat[] = u"% #0.05G";
    std::copy(std::begin(defaultFormat), std::end(defaultFormat), s.numberFormat);

    s.settings = WorkspaceSettings{};
    s.note.clear();
    s.lastLoadOptions = 0;
}

}  // namespace engine
