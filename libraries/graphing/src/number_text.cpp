// Number texts: the C library formats the one conversion, the literal text
// around it is copied unit by unit so that any UTF-16 text survives.
#include "number_text.h"

#include <cmath>
#include <cstdio>
#include <optional>

namespace graphing {
namespace {

constexpr int kMaxFieldDigits = 2;  // width and precision up to 99

std::u16string widen(const char* text) {
    std::u16string out;
    for (; *text != 0; ++text) out.push_back(char16_t(static_cast<unsigned char>(*text)));
    return out;
}

bool isFlag(char16_t c) {
    return c == u'-' || c == u'+' || c == u' ' || c == u'#' || c == u'0';
}

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Reads up to kMaxFieldDigits digits at pos into conversion; false when more
// digits follow.
bool readField(std::u16string_view format, size_t& pos, std::string& conversion) {
    int digits = 0;
    while (pos < format.size() && isDigit(format[pos])) {
        if (++digits > kMaxFieldDigits) return false;
        conversion.push_back(char(format[pos++]));
    }
    return true;
}

// The conversion starting after a "%" at pos, as a C format of its own
// ("%" flags width precision letter), with pos moved past it; nothing when
// it is not a numeric conversion this library hands on.
std::optional<std::string> readConversion(std::u16string_view format, size_t& pos) {
    std::string conversion = "%";
    std::u16string seenFlags;
    while (pos < format.size() && isFlag(format[pos])) {
        // A flag given twice means nothing more; it is kept once.
        if (seenFlags.find(format[pos]) == std::u16string::npos) {
            seenFlags.push_back(format[pos]);
            conversion.push_back(char(format[pos]));
        }
        ++pos;
    }
    if (!readField(format, pos, conversion)) return std::nullopt;
    if (pos < format.size() && format[pos] == u'.') {
        conversion.push_back('.');
        ++pos;
        if (!readField(format, pos, conversion)) return std::nullopt;
    }
    if (pos < format.size() && (format[pos] == u'l' || format[pos] == u'L')) ++pos;
    if (pos >= format.size()) return std::nullopt;
    const char16_t letter = format[pos++];
    if (std::u16string_view(u"eEfFgGaAdiouxX").find(letter) == std::u16string_view::npos)
        return std::nullopt;
    conversion.push_back(char(letter));
    return conversion;
}

// The value through one conversion; nothing when a whole-number conversion
// meets a value without a whole-number form.
std::optional<std::u16string> convert(const std::string& conversion, double value) {
    char buffer[512];
    const char letter = conversion.back();
    // The flags, width and precision; a whole number is passed as long long.
    const std::string stem = conversion.substr(0, conversion.size() - 1);
    if (letter == 'd' || letter == 'i') {
        if (!(std::fabs(value) < 9.2e18)) return std::nullopt;
        std::snprintf(buffer, sizeof buffer, (stem + "lld").c_str(), static_cast<long long>(value));
    } else if (letter == 'o' || letter == 'u' || letter == 'x' || letter == 'X') {
        if (!(std::fabs(value) < 9.2e18)) return std::nullopt;
        const auto whole = static_cast<unsigned long long>(static_cast<long long>(value));
        std::snprintf(buffer, sizeof buffer, (stem + "ll" + letter).c_str(), whole);
    } else {
        std::snprintf(buffer, sizeof buffer, conversion.c_str(), value);
    }
    return widen(buffer);
}

}  // namespace

std::u16string defaultNumberText(double re, double im) {
    char buffer[96];
    if (im == 0.0)
        std::snprintf(buffer, sizeof buffer, "%#0.4G", re);
    else
        std::snprintf(buffer, sizeof buffer, "%#0.4G%+#0.4Gi", re, im);
    return widen(buffer);
}

Status formatNumber(std::u16string_view format, double value, std::u16string& out) {
    std::u16string text;
    int conversions = 0;
    for (size_t pos = 0; pos < format.size();) {
        const char16_t c = format[pos++];
        if (c != u'%') {
            text.push_back(c);
            continue;
        }
        if (pos < format.size() && format[pos] == u'%') {
            text.push_back(u'%');
            ++pos;
            continue;
        }
        const std::optional<std::string> conversion = readConversion(format, pos);
        if (!conversion || ++conversions > 1) return kInvalidParameter;
        const std::optional<std::u16string> converted = convert(*conversion, value);
        if (!converted) return kInvalidParameter;
        text += *converted;
    }
    if (conversions != 1) return kInvalidParameter;
    if (text.size() > kFormattedTextUnits) text.resize(kFormattedTextUnits);
    out = text;
    return kOk;
}

}  // namespace graphing
