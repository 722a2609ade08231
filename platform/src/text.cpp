// UTF-16 to UTF-8 conversion for output to terminals and logs.
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

}  // extern "C"
