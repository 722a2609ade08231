// The answers of earlier blocks: ANS, ANS(n) and an answer as text, read
// through the installed answer source.
#include <string>

#include "builtins.h"
#include "engine/answer_index.h"
#include "engine/answer_source.h"
#include "engine/code_list.h"
#include "engine/display_format.h"
#include "engine/evaluator.h"
#include "engine_state_data.h"
#include "operands.h"

namespace engine {
namespace {

constinit AnswerSource*& source = theEngineState.answerSource;

// Display text of a number or matrix answer turned into a string.
constexpr size_t kAnswerTextLimit = 250;

int blockCount() { return source != nullptr ? source->blockCount() : 0; }

const Matrix* answerOfBlock(int k) {
    if (source == nullptr || k < 0 || k >= source->blockCount()) return nullptr;
    return source->answerOf(k);
}

void copyAnswer(Matrix& dst, const Matrix* answer) {
    if (answer == nullptr || hasNoValue(*answer)) {
        copyValMatrix(&dst, 0.0, 0.0);
    } else {
        copyMatMatrix(&dst, answer);
    }
}

// The block n answers back from the answer index; 14 for n < 1 or a block
// before the first.
Status blockBack(double n, int& block) {
    const int64_t back = truncated(n);
    if (back < 1) return kInvalidParameter;
    const int64_t k = int64_t(answerIndex()) - back + 1;
    if (k < 0) return kInvalidParameter;
    block = k > int64_t(1) << 30 ? 1 << 30 : int(k);
    return kOk;
}

Status answerBack(const Frame& f) {
    const std::optional<double> n = firstReal(f.x());
    if (!n) return kInvalidParameter;
    int k = 0;
    if (Status s = blockBack(*n, k); s != kOk) return s;
    // Beyond the list (answer index -1 is the block before the first).
    copyAnswer(f.x(), k < blockCount() ? answerOfBlock(k) : nullptr);
    return kOk;
}

Status answerAsText(const Token& token, const Frame& f) {
    int k = 0;
    if (Status s = blockBack(token.value, k); s != kOk) return s;
    Matrix& out = f.push();
    if (k >= blockCount()) {
        copyStrMatrix(&out, u" ");
        return kOk;
    }
    const Matrix* answer = answerOfBlock(k);
    if (answer != nullptr && isString(*answer)) {
        copyMatMatrix(&out, answer);
        return kOk;
    }
    if (answer == nullptr || hasNoValue(*answer)) answer = &zeroValue();
    copyStrMatrix(&out, valueToText(answer, kAnswerTextLimit).c_str());
    return kOk;
}

}  // namespace

void setAnswerSource(AnswerSource* s) { source = s; }

AnswerSource* answerSource() { return source; }

const Matrix* currentAnswer() { return answerOfBlock(answerIndex()); }

Status applyAnswer(const Token& token, const Frame& f) {
    switch (Code(token.code)) {
        case Code::Answer: copyAnswer(f.push(), currentAnswer()); return kOk;
        case Code::AnswerBack: return answerBack(f);
        case Code::AnswerAsText: return answerAsText(token, f);
        default: return kOk;
    }
}

}  // namespace engine
