#include "engine/rpn_text.h"

#include <cstdio>

#include "engine/equation_block.h"

namespace engine {
namespace {

constexpr std::u16string_view kAnsOpen = u"ANS(";

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// The answer as "(value)", or empty when it is not a single number.
std::u16string valueInParentheses(const Matrix& answer) {
    if (answer.kind != LATTIX_KIND_SCALAR || answer.re == nullptr || answer.im == nullptr)
        return {};
    char buffer[64];
    if (answer.im[0] != 0.0)
        std::snprintf(buffer, sizeof buffer, "(%0.8G%+0.8Gi)", answer.re[0], answer.im[0]);
    else
        std::snprintf(buffer, sizeof buffer, "(%0.8G)", answer.re[0]);
    return std::u16string(buffer, buffer + std::char_traits<char>::length(buffer));
}

}  // namespace

bool renumberAns(std::u16string& text, int delta, const Matrix* answer) {
    bool found = false;
    size_t at = 0;
    while ((at = text.find(kAnsOpen, at)) != std::u16string::npos) {
        found = true;
        const size_t first = at + kAnsOpen.size();
        size_t digits = 0;
        while (first + digits < text.size() && isDigit(text[first + digits])) ++digits;
        const bool closed = first + digits < text.size() && text[first + digits] == u')';
        if (!closed || digits == 0 || digits > 2) {
            at = first;
            continue;
        }
        if (digits == 2) {
            // Carry from the second digit into the first, which stays a digit.
            int value = (text[first] - u'0') * 10 + (text[first + 1] - u'0') + delta;
            value = value < 0 ? 0 : (value > 99 ? 99 : value);
            text[first] = char16_t(u'0' + value / 10);
            text[first + 1] = char16_t(u'0' + value % 10);
            at = first + 3;
            continue;
        }
        int value = (text[first] - u'0') + delta;
        if (value < 0) value = 0;
        if (value > 9) {
            // Ten blocks back needs a second digit.
            text.replace(first, 1, std::u16string{char16_t(u'0' + value / 10),
                                                  char16_t(u'0' + value % 10)});
            at = first + 3;
            continue;
        }
        text[first] = char16_t(u'0' + value);
        std::u16string replacement;
        if (value == 0 && answer != nullptr) replacement = valueInParentheses(*answer);
        if (replacement.empty()) {
            at = first + 2;
            continue;
        }
        text.replace(at, kAnsOpen.size() + 2, replacement);
        if (text.size() > kBlockTextLimit) text.resize(kBlockTextLimit);
        at += replacement.size();
    }
    return found;
}

bool splitAssignment(std::u16string_view text, std::u16string& prefix, std::u16string& rest) {
    size_t end = text.find(u'=');
    if (end != std::u16string_view::npos) {
        end += 1;
    } else {
        end = text.find(u"V:");
        if (end != std::u16string_view::npos) end += 2;
    }
    if (end == std::u16string_view::npos) {
        prefix.clear();
        rest = std::u16string(text);
        return false;
    }
    prefix = std::u16string(text.substr(0, end));
    rest = std::u16string(text.substr(end));
    return true;
}

}  // namespace engine
