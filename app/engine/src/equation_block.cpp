#include "engine/equation_block.h"

#include <cstring>

#include "engine/code_list.h"
#include "engine/evaluator.h"
#include "engine/parser.h"
#include "platform/heap.h"
#include "platform/text.h"

namespace engine {
namespace {

// A copy of a code list with copies of the texts its tokens own; null for
// null or when memory runs out (nothing is left allocated then).
Token* copyCode(const Token* list) {
    if (list == nullptr) return nullptr;
    size_t n = 0;
    while (list[n].code != 0) ++n;
    auto* out = static_cast<Token*>(platformHeapAlloc((n + 1) * sizeof(Token)));
    if (out == nullptr) return nullptr;
    std::memcpy(out, list, (n + 1) * sizeof(Token));
    for (size_t i = 0; i < n; ++i) {
        if (!carriesText(out[i].code)) continue;
        const char16_t* text = tokenText(list[i]);
        const size_t units = platformTextLength(text) + 1;
        auto* copied = static_cast<char16_t*>(platformHeapAlloc(units * sizeof(char16_t)));
        if (copied == nullptr) {
            for (size_t j = 0; j < i; ++j)
                if (carriesText(out[j].code)) platformHeapFree(const_cast<char16_t*>(tokenText(out[j])));
            platformHeapFree(out);
            return nullptr;
        }
        std::memcpy(copied, text, units * sizeof(char16_t));
        setTokenText(out[i], copied);
    }
    return out;
}

}  // namespace

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

void EquationBlock::keepText(std::u16string_view text) {
    if (text.size() <= kBlockTextLimit) return setText(text);
    freeCode(parsed_);
    parsed_ = nullptr;
    text_ = std::u16string(text);
    status_ = kEquationTooLong;
    compileFailed_ = true;
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

std::unique_ptr<EquationBlock> EquationBlock::copy() const {
    auto block = std::make_unique<EquationBlock>();
    block->text_ = text_;
    block->note_ = note_;
    block->parsed_ = copyCode(parsed_);
    // Without memory for the copy the text is compiled again: the same list.
    if (block->parsed_ == nullptr && parsed_ != nullptr)
        compileExpression(block->text_.c_str(), &block->parsed_);
    if (block->answer_ != nullptr && answer_ != nullptr) copyMatMatrix(block->answer_, answer_);
    block->status_ = status_;
    block->flags_ = flags_;
    block->compileFailed_ = compileFailed_;
    return block;
}

void EquationBlock::resetAnswer() {
    status_ = 0;
    compileFailed_ = false;
    copyValMatrix(answer_, 0.0, 0.0);
}

}  // namespace engine
