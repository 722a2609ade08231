// Numerals, names and string literals.
#include "engine/tokenizer.h"

#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <locale.h>

#include "engine/keyword_table.h"

namespace engine {
namespace {

bool isUpperHexLetter(char16_t c) { return c >= u'A' && c <= u'F'; }

int hexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (isUpperHexLetter(c)) return c - u'A' + 10;
    return -1;
}

// Hexadecimal digits up to the first other character (a '.' and what follows
// it are collected but ignored). More than eight significant digits saturate
// at the largest 32-bit value rather than wrapping.
double hexValue(std::u16string_view digits) {
    uint64_t value = 0;
    for (char16_t c : digits) {
        const int d = hexDigit(c);
        if (d < 0) break;
        value = value * 16 + uint64_t(d);
        if (value > 0xFFFFFFFFull) return 4294967295.0;
    }
    return double(value);
}

// The decimal conversion must not follow the user's locale: the program's
// numerals always use '.'.
double decimalValue(const std::string& ascii) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return strtod_l(ascii.c_str(), nullptr, cLocale);
}

}  // namespace

NumeralRead readNumeral(std::u16string_view line, size_t pos) {
    NumeralRead r;
    size_t i = pos;
    if (line[i] == u'0' && i + 1 < line.size() && line[i + 1] == u'x') {
        i += 2;
        const size_t first = i;
        while (i < line.size() && (isNumeralChar(line[i]) || isUpperHexLetter(line[i]))) ++i;
        r.value = hexValue(line.substr(first, i - first));
        r.end = i;
        return r;
    }

    std::string ascii;
    while (i < line.size() && isNumeralChar(line[i])) {
        ascii += char(line[i++]);
        // An "E" after a collected character takes the character after it
        // along; only a sign or a numeral character may follow it.
        while (i < line.size() && line[i] == u'E') {
            const char16_t next = i + 1 < line.size() ? line[i + 1] : 0;
            if (next != u'+' && next != u'-' && !isNumeralChar(next)) {
                r.status = kUnrecognizedSymbol;
                r.end = i + 1;
                return r;
            }
            ascii += 'E';
            ascii += char(next);
            i += 2;
            if (!isNumeralChar(next)) break;
        }
        if (ascii.size() > kNumeralLimit) {
            r.status = kUnrecognizedSymbol;
            r.end = i;
            return r;
        }
    }
    r.value = decimalValue(ascii);
    r.end = i;
    return r;
}

NameRead readName(std::u16string_view line, size_t pos) {
    NameRead r;
    size_t i = pos;
    while (i < line.size() && isNameChar(line[i])) ++i;
    r.name = line.substr(pos, i - pos);
    r.end = i;
    if (r.name.size() > kNameLimit) r.status = kSyntaxError;
    return r;
}

StringRead readStringLiteral(std::u16string_view line, size_t pos) {
    StringRead r;
    const size_t close = line.find(u'"', pos + 1);
    if (close == std::u16string_view::npos) {
        r.status = kMissingEndOfQuote;
        r.end = line.size();
        return r;
    }
    // A longer literal keeps its first 99 units; the rest up to the closing
    // quote is dropped.
    const std::u16string_view body = line.substr(pos + 1, close - pos - 1);
    r.text.assign(body.substr(0, kStringLimit));
    for (char16_t& c : r.text)
        if (c == kRangeCharacter) c = u':';
    r.end = close + 1;
    return r;
}

}  // namespace engine
