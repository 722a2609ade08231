// Where ANS, ANS(n), an earlier answer as text and ANS[...] find the answers
// of blocks. The block document implements it and installs itself while its
// blocks evaluate; while none is installed there are no blocks, so ANS reads
// as 0.
#ifndef ORVANA_ENGINE_ANSWER_SOURCE_H
#define ORVANA_ENGINE_ANSWER_SOURCE_H

#include "engine/user_functions.h"
#include "lattix.h"

namespace engine {

class AnswerSource {
public:
    virtual ~AnswerSource() = default;
    // Number of blocks in the current block list.
    virtual int blockCount() const = 0;
    // The answer of block k (0-based, k < blockCount()); null reads as 0.
    virtual const Matrix* answerOf(int block) const = 0;
    // The record a user function's block keeps its answer in, so that
    // evaluating the function also updates what the block shows. Null lets
    // the evaluator use a temporary record instead.
    virtual Matrix* functionAnswer(const UserFunction& function) {
        (void)function;
        return nullptr;
    }
};

// The source the evaluator asks (the answer index itself is answer_index.h's).
// Null removes it. The source must outlive its installation.
void setAnswerSource(AnswerSource* source);
AnswerSource* answerSource();

// Makes a document the answer source while it evaluates, and puts the
// previous source back afterwards: ANS always reads the document whose
// block is being evaluated, however many documents exist.
class AnswerSourceScope {
public:
    explicit AnswerSourceScope(AnswerSource& source) : previous_(answerSource()) {
        setAnswerSource(&source);
    }
    ~AnswerSourceScope() { setAnswerSource(previous_); }
    AnswerSourceScope(const AnswerSourceScope&) = delete;
    AnswerSourceScope& operator=(const AnswerSourceScope&) = delete;

private:
    AnswerSource* previous_;
};

}  // namespace engine

#endif
