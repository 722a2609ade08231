// The main program's own names and operator characters with their fixed codes.
#ifndef ORVANA_ENGINE_KEYWORD_TABLE_H
#define ORVANA_ENGINE_KEYWORD_TABLE_H

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace engine {

// The code of a built-in keyword (exact, case-sensitive match), or 0.
uint16_t builtinKeyword(std::u16string_view name);
// The keyword spelling of a built-in code, or an empty view.
std::u16string_view builtinKeywordName(uint16_t code);
// The keyword at `index` of the table and its code; false past the end.
bool builtinKeywordAt(size_t index, std::u16string_view& name, uint16_t& code);
// The code of one of the main program's operator characters, or 0.
uint16_t builtinOperatorChar(char16_t character);

// The character that the line rewrite puts in place of a ':' forming a range.
constexpr char16_t kRangeCharacter = 0x0002;

}  // namespace engine

#endif
