// Owner of the answer index.
#include "engine/answer_index.h"

#include "engine_state_data.h"

namespace engine {
namespace {

constinit int& current = theEngineState.answerIndex;

}  // namespace

int answerIndex() { return current; }

void setAnswerIndex(int index) { current = index; }

}  // namespace engine
