/* UTF-16 text helpers shared by every module. */
#ifndef ORVANA_PLATFORM_TEXT_H
#define ORVANA_PLATFORM_TEXT_H

#include <stddef.h>
#include <uchar.h>

#include "platform/export.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Number of units before the terminating 0; 0 for null. */
PLATFORM_API size_t platformTextLength(const char16_t* text);

/* Converts 0-terminated UTF-16 to UTF-8 into out (capacity bytes, always
 * 0-terminated when capacity > 0). Unpaired surrogates become U+FFFD.
 * Returns the number of bytes the full conversion needs, without the
 * terminator, so a caller can size its buffer. */
PLATFORM_API size_t platformUtf16ToUtf8(const char16_t* text, char* out, size_t capacity);
/* Converts 0-terminated UTF-8 to UTF-16 into out (capacity units, always
 * 0-terminated when capacity > 0). Malformed sequences become U+FFFD. Returns
 * the number of units the full conversion needs, without the terminator. */
PLATFORM_API size_t platformUtf8ToUtf16(const char* text, char16_t* out, size_t capacity);

#ifdef __cplusplus
}

#include <string>
#include <string_view>

namespace orvana {

/* The two conversions for C++ strings. A text ends at its first 0 unit; a
 * null text is empty. */
inline std::string toUtf8(const char16_t* text) {
    std::string out(platformUtf16ToUtf8(text, nullptr, 0) + 1, '\0');
    out.resize(platformUtf16ToUtf8(text, out.data(), out.size()));
    return out;
}

inline std::string toUtf8(std::u16string_view text) { return toUtf8(std::u16string(text).c_str()); }

inline std::u16string toUtf16(const char* text) {
    std::u16string out(platformUtf8ToUtf16(text, nullptr, 0) + 1, u'\0');
    out.resize(platformUtf8ToUtf16(text, out.data(), out.size()));
    return out;
}

inline std::u16string toUtf16(std::string_view text) { return toUtf16(std::string(text).c_str()); }

}  /* namespace orvana */
#endif

#endif
