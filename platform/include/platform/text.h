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
#endif

#endif
