#include "engine/equation_block.h"

#include "engine/evaluator.h"
#include "engine/parser.h"

namespace engine {

EquationBlock::EquationBlock() : answer_(newMatrix(1, 1)) {}

EquationBlock::~EquationBlock() {
    freeCode(parsed_);
    if (answer_ != nullptr) delMatrix(answer_);
}

void EquationBlock::setNote(std::u16string_view note) {
    note_ = std::u16string(note.substr(0, kBlockNoteLimit));
}

void EquationBlock::setText(std::u16string_view text) {
    freeCode(parsed_);
    parsed_ = nullptr;
    if (text.size() > kBlockTextLimit) {
        status_ = kEquationTooLong;
        compileFailed_ = true;
        return;
    }
    text_ = std::u16string(text);
    status_ = compileExpression(text_.c_str(), &parsed_);
    compileFailed_ = status_ != 0 && status_ != kCommentLine;
}

bool EquationBlock::compileAgain() {
    if (!compileFailed_ || status_ != kUnrecognizedSymbol) return false;
    const std::u16string text = text_;
    setText(text);
    return !compileFailed_;
}

void EquationBlock::clearText() {
    freeCode(parsed_);
    parsed_ = nullptr;
    text_.clear();
    compileFailed_ = false;
}

void EquationBlock::evaluate() {
    if (status_ == kCommentLine || compileFailed_) return;
    status_ = runCode(parsed_, answer_, degrees() ? 1 : 0);
}

void EquationBlock::resetAnswer() {
    status_ = 0;
    compileFailed_ = false;
    copyValMatrix(answer_, 0.0, 0.0);
}

}  // namespace engine
