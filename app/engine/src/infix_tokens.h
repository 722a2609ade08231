// The infix token sequence the parser builds before reordering it. It owns
// the texts of its string and Workspace-call tokens until the finished code
// list takes them over, so every failure path frees them by itself.
#ifndef ORVANA_ENGINE_INFIX_TOKENS_H
#define ORVANA_ENGINE_INFIX_TOKENS_H

#include <string_view>
#include <unordered_set>
#include <vector>

#include "engine/code_list.h"
#include "engine/status.h"

namespace engine {

// Token count above which a line is too long, and the tokens one reading
// step may add on top of it plus the two end tokens.
constexpr size_t kTokenLimit = 200;
constexpr size_t kTokenHeadroom = 6;

class InfixTokens {
public:
    InfixTokens() { tokens_.reserve(kTokenLimit + kTokenHeadroom + 4); }
    ~InfixTokens();
    InfixTokens(const InfixTokens&) = delete;
    InfixTokens& operator=(const InfixTokens&) = delete;

    void push(uint32_t code, double value = 0.0) { tokens_.push_back(Token{code, value}); }
    // Copies the text into heap storage the token owns; false when memory ran
    // out (nothing is pushed then).
    bool pushText(uint32_t code, std::u16string_view text);
    void pop() { tokens_.pop_back(); }

    bool empty() const { return tokens_.empty(); }
    size_t size() const { return tokens_.size(); }
    Token& back() { return tokens_.back(); }
    const Token& back() const { return tokens_.back(); }
    Token& operator[](size_t i) { return tokens_[i]; }
    const Token& operator[](size_t i) const { return tokens_[i]; }

    // The finished list now owns these texts; the rest are still freed here.
    void handOver(const std::unordered_set<const char16_t*>& taken) { handedOver_ = taken; }

private:
    std::vector<Token> tokens_;
    std::unordered_set<const char16_t*> handedOver_;
};

}  // namespace engine

#endif
