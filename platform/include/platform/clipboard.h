/* The clipboard's text, through the backend in force (headless: a clipboard
 * kept inside the process). */
#ifndef ORVANA_PLATFORM_CLIPBOARD_H
#define ORVANA_PLATFORM_CLIPBOARD_H

#include <stdint.h>
#include <uchar.h>

#include "platform/export.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Replaces the clipboard's content with the text; 1 on success. */
PLATFORM_API int platformSetClipboardText(const char16_t* text);
/* Copies the clipboard's text into buffer (capacity units, always
 * 0-terminated when capacity > 0) and returns its full length, so a caller can
 * size its buffer; -1 when the clipboard holds no text. */
PLATFORM_API int32_t platformGetClipboardText(char16_t* buffer, int32_t capacity);

#ifdef __cplusplus
}
#endif

#endif
