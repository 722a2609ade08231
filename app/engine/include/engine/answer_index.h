// The answer index: which block's answer ANS gives. -1 before the first
// block of a recalculation.
#ifndef ORVANA_ENGINE_ANSWER_INDEX_H
#define ORVANA_ENGINE_ANSWER_INDEX_H

namespace engine {

int answerIndex();
void setAnswerIndex(int index);

}  // namespace engine

#endif
