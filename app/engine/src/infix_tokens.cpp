// Text ownership of the infix token sequence.
#include "infix_tokens.h"

#include <cstring>

#include "platform/heap.h"

namespace engine {

InfixTokens::~InfixTokens() {
    for (const Token& t : tokens_) {
        if (!carriesText(t.code)) continue;
        const char16_t* text = tokenText(t);
        if (!handedOver_.contains(text)) platformHeapFree(const_cast<char16_t*>(text));
    }
}

bool InfixTokens::pushText(uint32_t code, std::u16string_view text) {
    auto* copy = static_cast<char16_t*>(platformHeapAlloc((text.size() + 1) * sizeof(char16_t)));
    if (copy == nullptr) return false;
    if (!text.empty()) std::memcpy(copy, text.data(), text.size() * sizeof(char16_t));
    copy[text.size()] = 0;
    Token t{code, 0.0};
    setTokenText(t, copy);
    tokens_.push_back(t);
    return true;
}

}  // namespace engine
