// Owner of the answer index.
#include "engine/answer_index.h"

namespace engine {
namespace {

int current = -1;

}  // namespace

int answerIndex() { return current; }

void setAnswerIndex(int index) { current = index; }

}  // namespace engine
