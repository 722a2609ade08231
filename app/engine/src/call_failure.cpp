// The remembered failure of a called Workspace's block.
#include "engine/call_failure.h"

#include "engine_state_data.h"

namespace engine {

void noteCallFailure(std::u16string_view workspace, int block, std::u16string_view text,
                     Status status) {
    std::optional<CallFailure>& failure = theEngineState.callFailure;
    if (failure) return;
    failure = CallFailure{std::u16string(workspace), block, std::u16string(text), status};
}

const std::optional<CallFailure>& lastCallFailure() {
    return theEngineState.callFailure;
}

void clearCallFailure() {
    theEngineState.callFailure.reset();
}

}  // namespace engine
