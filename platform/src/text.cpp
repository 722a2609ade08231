// Conversions between UTF-16, the program's text, and UTF-8, the text of
// terminals, file names and the toolkit.
#include "platform/text.h"

#include <cstdint>

extern "C" {

size_t platformTextLength(const char16_t* text) {
    if (text == nullptr) return 0;
    size_t n = 0;
    while (text[n] != 0) ++n;
    return n;
}

size_t platformUtf16ToUtf8(const char16_t* text, char* out, size_t capacity) {
    size_t needed = 0;
    auto put = [&](unsigned char byte) {
        if (out != nullptr && needed + 1 < capacity) out[needed] = static_cast<char>(byte);
        ++needed;
    };
    for (size_t i = 0; text != nullptr && text[i] != 0; ++i) {
        uint32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        if (cp < 0x80) {
            put(static_cast<unsigned char>(cp));
        } else if (cp < 0x800) {
            put(0xC0 | (cp >> 6));
            put(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            put(0xE0 | (cp >> 12));
            put(0x80 | ((cp >> 6) & 0x3F));
            put(0x80 | (cp & 0x3F));
        } else {
            put(0xF0 | (cp >> 18));
            put(0x80 | ((cp >> 12) & 0x3F));
            put(0x80 | ((cp >> 6) & 0x3F));
            put(0x80 | (cp & 0x3F));
        }
    }
    if (out != nullptr && capacity > 0) out[needed < capacity ? needed : capacity - 1] = '\0';
    return needed;
}

size_t platformUtf8ToUtf16(const char* text, char16_t* out, size_t capacity) {
    size_t needed = 0;
    auto put = [&](uint32_t unit) {
        if (out != nullptr && needed + 1 < capacity) out[needed] = static_cast<char16_t>(unit);
        ++needed;
    };
    const auto* s = reinterpret_cast<const unsigned char*>(text);
    for (size_t i = 0; s != nullptr && s[i] != 0;) {
        const unsigned char lead = s[i];
        int extra = lead < 0x80 ? 0 : lead >= 0xC2 && lead < 0xE0 ? 1 : lead >= 0xE0 && lead < 0xF0 ? 2
                  : lead >= 0xF0 && lead < 0xF5 ? 3 : -1;
        uint32_t cp = extra == 0 ? lead : extra == 1 ? lead & 0x1Fu : extra == 2 ? lead & 0x0Fu : lead & 0x07u;
        size_t j = 1;
        for (; extra > 0 && j <= size_t(extra); ++j) {
            if ((s[i + j] & 0xC0) != 0x80) break;
            cp = (cp << 6) | (s[i + j] & 0x3Fu);
        }
        const bool complete = extra >= 0 && j == size_t(extra) + 1;
        // Overlong forms, surrogates and values past U+10FFFF are malformed.
        const bool valid = complete && !(extra == 2 && cp < 0x800) && !(extra == 3 && cp < 0x10000) &&
                           !(cp >= 0xD800 && cp <= 0xDFFF) && cp <= 0x10FFFF;
        if (!valid) {
            put(0xFFFD);
            i += extra < 0 ? 1 : j;
            continue;
        }
        if (cp >= 0x10000) {
            put(0xD800 + ((cp - 0x10000) >> 10));
            put(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            put(cp);
        }
        i += j;
    }
    if (out != nullptr && capacity > 0) out[needed < capacity ? needed : capacity - 1] = 0;
    return needed;
}

}  // extern "C"
