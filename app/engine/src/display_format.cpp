// Turning numbers into text in the active display format.
#include "engine/display_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>
#include <string>

#include "engine_state_data.h"

namespace engine {
namespace {

constinit char16_t (&sharedFormat)[kFormatLength + 1] = theEngineState.numberFormat;

// The G conversion with "#" spelled out as the E or f conversion it stands
// for: some C libraries drop the zeros "#" keeps when rounding carries into a
// new power of ten ("%#.5G" of 99999.5 giving '1.E+05' for '1.0000E+05').
// The exponent X of the E form at precision P - 1 picks f with P - 1 - X
// decimals when P > X >= -4, else E with P - 1. Other formats stay as they are.
std::string generalSpelledOut(const char* format, double value) {
    std::string f(format);
    const size_t percent = f.find('%');
    if (percent == std::string::npos || !std::isfinite(value)) return f;
    size_t i = percent + 1;
    bool alternate = false;
    while (i < f.size() && std::strchr("-+ #0", f[i]) != nullptr) alternate |= f[i++] == '#';
    while (i < f.size() && f[i] >= '0' && f[i] <= '9') ++i;
    const size_t precisionAt = i;
    int precision = 6;
    if (i < f.size() && f[i] == '.') {
        precision = 0;
        for (++i; i < f.size() && f[i] >= '0' && f[i] <= '9'; ++i)
            precision = std::min(precision * 10 + (f[i] - '0'), 99);
    }
    if (!alternate || i >= f.size() || (f[i] != 'G' && f[i] != 'g')) return f;
    const int p = precision == 0 ? 1 : precision;
    char probe[64];
    std::snprintf(probe, sizeof probe, "%.*E", p - 1, value);
    const char* e = std::strchr(probe, 'E');
    const int x = e != nullptr ? std::atoi(e + 1) : 0;
    const bool fixed = p > x && x >= -4;
    const char conversion = fixed ? 'f' : (f[i] == 'G' ? 'E' : 'e');
    return f.substr(0, precisionAt) + "." + std::to_string(fixed ? p - 1 - x : p - 1) +
           conversion + f.substr(i + 1);
}

// Prints one double with a printf format; exponents are widened to three
// digits so that every C library gives the same text.
std::string print(const char* format, double value) {
    char buffer[512];
    int n = std::snprintf(buffer, sizeof buffer, generalSpelledOut(format, value).c_str(), value);
    std::string text(buffer, n < 0 ? 0 : (n < int(sizeof buffer) ? n : int(sizeof buffer) - 1));
    for (size_t i = 0; i < text.size(); ++i) {
        if ((text[i] != 'E' && text[i] != 'e') || i + 1 >= text.size()) continue;
        if (text[i + 1] != '+' && text[i + 1] != '-') continue;
        size_t digits = 0;
        while (i + 2 + digits < text.size() && text[i + 2 + digits] >= '0' &&
               text[i + 2 + digits] <= '9')
            ++digits;
        if (digits > 0 && digits < 3) text.insert(i + 2, 3 - digits, '0');
        break;
    }
    return text;
}

std::string print(const char* format, long long a, long long b) {
    char buffer[128];
    int n = std::snprintf(buffer, sizeof buffer, format, a, b);
    return std::string(buffer, n < 0 ? 0 : n);
}

std::u16string widen(const std::string& text) {
    std::u16string out;
    out.reserve(text.size());
    for (unsigned char c : text) out.push_back(c);
    return out;
}

// The working copy of a format string for one call.
struct Format {
    char text[kFormatLength + 1];

    explicit Format(const char16_t* source) {
        for (size_t i = 0; i < kFormatLength; ++i) {
            char16_t c = source != nullptr ? source[i] : 0;
            text[i] = c < 0x80 ? static_cast<char>(c) : '?';
            if (c == 0) break;
        }
        text[kFormatLength] = 0;
    }
    char conversion() const { return text[7]; }
    int precision() const {
        if (text[5] < '0' || text[5] > '9' || text[6] < '0' || text[6] > '9') return 0;
        return (text[5] - '0') * 10 + (text[6] - '0');
    }
    void setPrecision(int p) {
        text[5] = static_cast<char>('0' + p / 10 % 10);
        text[6] = static_cast<char>('0' + p % 10);
    }
    // The format as printf sees it, with `conversion` in place of position 7.
    std::string printfFormat(char conversion, char sign) const {
        std::string f(text, kFormatLength);
        f[1] = sign;
        f[7] = conversion;
        return f;
    }
};

// Moves an E exponent to a multiple of three: '1.2345E+005' becomes
// '123.45E+003'.
std::string engineering(std::string text) {
    if (text.size() < 5) return text;
    const size_t e = text.size() - 5;
    if (text[e] != 'E') return text;
    int exponent = std::atoi(text.c_str() + e + 1);
    int k = ((exponent % 3) + 3) % 3;
    if (k == 0) return text;
    exponent -= k;
    char exp[16];
    std::snprintf(exp, sizeof exp, "%+3.3d", exponent);
    std::string mantissa = text.substr(0, e);
    size_t point = mantissa.find('.');
    if (point == std::string::npos) {
        // No decimal point to move: append the digits as zeros.
        mantissa.append(k, '0');
    } else {
        std::string digits = mantissa.substr(point + 1);
        while (digits.size() < size_t(k)) digits.push_back('0');
        mantissa = mantissa.substr(0, point) + digits.substr(0, k) + "." + digits.substr(k);
    }
    return mantissa + "E" + exp;
}

// Removes the zeros before a five-character exponent, and the point too when
// nothing is left after it: '1.50000000000000E+003' becomes '1.5E+003'.
std::string trim(std::string text) {
    if (text.size() < 5 || text[text.size() - 5] != 'E') return text;
    std::string exponent = text.substr(text.size() - 5);
    std::string mantissa = text.substr(0, text.size() - 5);
    if (mantissa.find('.') == std::string::npos) return text;
    while (!mantissa.empty() && mantissa.back() == '0') mantissa.pop_back();
    if (!mantissa.empty() && mantissa.back() == '.') mantissa.pop_back();
    return mantissa + exponent;
}

// One real number in the G, E, K or f conversions.
std::string printReal(const Format& format, double x, char sign, bool autoDigits) {
    const char conversion = format.conversion();
    std::string text;
    if (conversion == 'f') {
        const double magnitude = std::fabs(x);
        const bool scientific =
            magnitude != 0.0 &&
            (magnitude < std::pow(10.0, -format.precision()) || magnitude > 100000000.0);
        text = print(format.printfFormat(scientific ? 'E' : 'f', sign).c_str(), x);
    } else if (conversion == 'G') {
        text = print(format.printfFormat('G', sign).c_str(), x);
    } else {
        text = print(format.printfFormat('E', sign).c_str(), x);
        if (conversion == 'K') text = engineering(text);
    }
    if (autoDigits && conversion != 'G') text = trim(text);
    return text;
}

// The fraction of x within tolerance t, e.g. ' 2  3/4' or '-1/2'.
std::string fraction(double x, double t) {
    const char sign = x < 0 ? '-' : ' ';
    x = std::fabs(x);
    double v = std::floor(x);
    const double u = x - v;
    if (u < t || u == 0.0) return std::string(1, sign) + print("%G", v);
    double s = u;
    double w = 0.0;
    double previous = 0.0;
    double current = 1.0;
    double z = 1.0;
    double n = 0.0;
    // The expansion of a double ends long before this many terms; the cap
    // only guards against a value that never meets the tolerance.
    for (int step = 0; step < 64; ++step) {
        s = 1.0 / (s - w);
        w = std::floor(s);
        z = w * current + previous;
        n = std::floor(z * u + 0.5);
        if (s == w || std::fabs(u - n / z) <= t) break;
        previous = current;
        current = z;
    }
    if (!std::isfinite(z) || !std::isfinite(n) || z > 9.0e15 || n > 9.0e15)
        return std::string(1, sign) + print("%G", v);
    if (z == 1.0) return std::string(1, sign) + print("%G", v + n);
    if (v != 0.0)
        return std::string(1, sign) + print("%G", v) + print("  %lld/%lld", (long long)n, (long long)z);
    return std::string(1, sign) + print("%lld/%lld", (long long)n, (long long)z);
}

// Hexadecimal display of one part: the truncated 32-bit integer, or a
// decimal form when the magnitude does not fit. Negative parts wrap around
// modulo 2^32, so -1 shows as 0xFFFFFFFF.
bool hexTooLarge(double x) { return std::fabs(x) > 4294967295.0; }
unsigned long hexValue(double x) {
    const long long whole = static_cast<long long>(std::trunc(x));
    return static_cast<unsigned long>(static_cast<uint32_t>(whole));
}

std::string hexadecimal(double re, double im) {
    const bool reLarge = hexTooLarge(re);
    const bool imLarge = hexTooLarge(im);
    const unsigned long reBits = reLarge ? 0 : hexValue(re);
    const unsigned long imBits = imLarge ? 0 : hexValue(im);
    const bool hasImaginary = imLarge || imBits != 0;
    const bool hasReal = reLarge || reBits != 0;
    char buffer[160];
    std::string text;
    if (!hasImaginary) {
        if (reLarge)
            text = print("%#0.6G", re);
        else if (!hasReal)
            text = "0x00000000";
        else {
            std::snprintf(buffer, sizeof buffer, "%#8.8lX", reBits);
            text = buffer;
        }
    } else if (!hasReal) {
        if (imLarge)
            text = print("%#0.6G", im) + "i";
        else {
            std::snprintf(buffer, sizeof buffer, "%#8.8lXi", imBits);
            text = buffer;
        }
    } else if (reLarge || imLarge) {
        text = print("%#0.6G", re) + print("%+#0.6G", im) + "i";
    } else {
        std::snprintf(buffer, sizeof buffer, "%#8.8lX+%#8.8lXi", reBits, imBits);
        text = buffer;
    }
    int replaced = 0;
    for (char& c : text) {
        if (replaced == 2) break;
        if (c == 'X') {
            c = 'x';
            ++replaced;
        }
    }
    return text;
}

}  // namespace

std::u16string formatStringFor(uint16_t formatCode) {
    const int kind = formatCode >> 8;
    const int digits = formatCode & 0xFF;
    char conversion = 'G';
    int precision = digits;
    switch (kind) {
        case 1: conversion = 'E'; precision = digits - 1; break;
        case 2: conversion = 'K'; precision = digits - 1; break;
        case 3: conversion = 'Y'; break;
        case 4: conversion = 'X'; break;
        case 5: conversion = 'f'; precision = digits == 0 ? 4 : digits; break;
        default: break;
    }
    char text[kFormatLength + 1];
    if (precision <= 0)
        std::snprintf(text, sizeof text, "%%  0.00%c", conversion);
    else
        std::snprintf(text, sizeof text, "%% #0.%02d%c", precision % 100, conversion);
    return widen(text);
}

const char16_t* buildFormat(uint16_t formatCode) {
    const std::u16string text = formatStringFor(formatCode);
    std::memcpy(sharedFormat, text.c_str(), (kFormatLength + 1) * sizeof(char16_t));
    return sharedFormat;
}

std::u16string formatNumber(double re, double im, const char16_t* formatText, bool degrees,
                            bool polar) {
    if (!std::isfinite(re) || !std::isfinite(im)) return u"Inf";
    Format format(formatText);
    const bool autoDigits = format.precision() == 0;
    if (autoDigits) format.setPrecision(14);
    const int m = format.precision();
    const bool showPolar = polar && im != 0.0;
    if (showPolar) {
        double magnitude, angle;
        if (re == 0.0) {
            magnitude = std::fabs(im);
            angle = im > 0 ? std::numbers::pi / 2 : -std::numbers::pi / 2;
        } else {
            magnitude = std::sqrt(re * re + im * im);
            angle = std::atan2(im, re);
        }
        if (degrees) angle *= 57.29577951308232;
        re = magnitude;
        im = angle;
    }
    const char conversion = format.conversion();
    if (conversion == 'Y') {
        const double t = 1.0 / std::pow(2.0, m);
        if (im == 0.0) return widen(fraction(re, t));
        if (re == 0.0) return widen(fraction(im, t) + "i");
        std::string imaginary = fraction(im, t);
        if (!imaginary.empty() && imaginary[0] == ' ') imaginary[0] = '+';
        return widen(fraction(re, t) + imaginary + "i");
    }
    if (conversion == 'X') return widen(hexadecimal(re, im));

    if (im == 0.0) return widen(printReal(format, re, ' ', autoDigits));
    if (re == 0.0 && !showPolar) return widen(printReal(format, im, ' ', autoDigits) + "i");
    if (m >= 7) format.setPrecision(conversion == 'G' ? 7 : 6);
    std::string text = printReal(format, re, ' ', autoDigits);
    if (showPolar) {
        const int w = m >= 7 ? 5 : (conversion == 'G' ? m : m + 1);
        char angleFormat[32];
        std::snprintf(angleFormat, sizeof angleFormat, "@%%#0.%dG", w);
        return widen(text + print(angleFormat, im)) + u"\u00B0";
    }
    return widen(text + printReal(format, im, '+', autoDigits) + "i");
}

std::u16string valueToText(const Matrix* value, size_t limit) {
    if (value == nullptr) return u"";
    auto number = [](double re, double im) -> std::string {
        if (!std::isfinite(re) || !std::isfinite(im)) return "Inf";
        if (im == 0.0) return print("%G", re);
        return print("%G", re) + print("%+G", im) + "i";
    };
    switch (value->kind) {
        case LATTIX_KIND_STRING: {
            if (value->re == nullptr) return u"";
            std::u16string text(reinterpret_cast<const char16_t*>(value->re));
            if (!text.empty() && text[0] == u' ') text.erase(0, 1);
            if (limit == 0) return u"";
            if (text.size() > limit - 1) text.resize(limit - 1);
            return text;
        }
        case LATTIX_KIND_MATRIX_VALUE: {
            std::string text = "{";
            for (uint32_t r = 0; r < value->rows; ++r) {
                for (uint32_t c = 0; c < value->cols; ++c) {
                    const size_t k = size_t(r) * value->cols + c;
                    text += number(value->re[k], value->im[k]) + ",";
                }
                text.back() = '|';
                if (text.size() > limit + 20) break;
            }
            text.back() = '}';
            return widen(text);
        }
        case LATTIX_KIND_SCALAR:
            return widen(number(value->re[0], value->im[0]));
        default:
            return u"";
    }
}

}  // namespace engine
