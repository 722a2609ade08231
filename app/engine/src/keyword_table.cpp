// Built-in keywords and operator characters. The values are part of the
// contract with keypad libraries, which choose their own codes in the same
// scheme, so none of them may change.
#include "engine/keyword_table.h"

#include <array>

namespace engine {
namespace {

struct Keyword {
    std::u16string_view name;
    uint16_t code;
};

constexpr std::array<Keyword, 25> kKeywords{{
    {u"i", 0x0300},      {u"mat", 0x0205},    {u"inv", 0x0315},    {u"det", 0x0415},
    {u"ANS", 0x0A00},    {u"T", 0x0515},      {u"eval", 0x0615},   {u"re", 0x0715},
    {u"im", 0x0815},     {u"I", 0x0915},      {u"zero", 0x0A25},   {u"rref", 0x0A15},
    {u"WHILE", 0x0C15},  {u"END", 0x0E00},    {u"IF", 0x0D15},     {u"ELSE", 0x0D00},
    {u"RETURN", 0x0B15}, {u"LOCAL", 0x0E15},  {u"FUNC", 0x1115},   {u"GLOBAL", 0x1215},
    {u"FOR", 0x0145},    {u"CONTIFGRAPHING", 0x13F5},              {u"load", 0x10F5},
    {u"save", 0x1015},   {u"round", 0x0225},
}};

struct OperatorChar {
    char16_t character;
    uint16_t code;
};

constexpr std::array<OperatorChar, 15> kOperatorChars{{
    {u'+', 0x0101}, {u'-', 0x0201}, {u'*', 0x0102}, {u'/', 0x0202},
    {u'(', 0x0106}, {u')', 0x0206}, {u',', 0x0400}, {u'|', 0x0500},
    {u'{', 0x03F5}, {u'}', 0x0600}, {u'[', 0x01F5}, {u':', 0x0B00},
    {kRangeCharacter, 0x0F00},      {u'"', 0x0700}, {u'_', 0x0900},
}};

}  // namespace

uint16_t builtinKeyword(std::u16string_view name) {
    for (const Keyword& k : kKeywords)
        if (k.name == name) return k.code;
    return 0;
}

std::u16string_view builtinKeywordName(uint16_t code) {
    for (const Keyword& k : kKeywords)
        if (k.code == code) return k.name;
    return {};
}

bool builtinKeywordAt(size_t index, std::u16string_view& name, uint16_t& code) {
    if (index >= kKeywords.size()) return false;
    name = kKeywords[index].name;
    code = kKeywords[index].code;
    return true;
}

uint16_t builtinOperatorChar(char16_t character) {
    for (const OperatorChar& o : kOperatorChars)
        if (o.character == character) return o.code;
    return 0;
}

}  // namespace engine
