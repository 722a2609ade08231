// Reading one numeral, name or string literal from a line whose spaces have
// already been removed. Each reader starts at pos and reports where it ended.
#ifndef ORVANA_ENGINE_TOKENIZER_H
#define ORVANA_ENGINE_TOKENIZER_H

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/status.h"

namespace engine {

constexpr bool isNumeralChar(char16_t c) { return (c >= u'0' && c <= u'9') || c == u'.'; }
constexpr bool isNameChar(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

constexpr size_t kNumeralLimit = 100;  // characters of one decimal numeral
constexpr size_t kNameLimit = 97;      // characters of one name
constexpr size_t kStringLimit = 99;    // units kept of one string literal

struct NumeralRead {
    Status status = kOk;
    double value = 0.0;
    size_t end = 0;
};
// pos must be at a numeral character.
NumeralRead readNumeral(std::u16string_view line, size_t pos);

struct NameRead {
    Status status = kOk;
    std::u16string_view name;
    size_t end = 0;
};
// pos must be at a name character.
NameRead readName(std::u16string_view line, size_t pos);

struct StringRead {
    Status status = kOk;
    std::u16string text;
    size_t end = 0;  // just after the closing quote
};
// pos must be at the opening double quote.
StringRead readStringLiteral(std::u16string_view line, size_t pos);

}  // namespace engine

#endif
