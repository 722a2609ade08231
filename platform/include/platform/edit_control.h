/* The edit control as a model: text, selection and text limit, with no
 * drawing. The expression line and the hidden composition control are such
 * models; the front end draws them. A model is addressed by its window handle,
 * which is what keypad libraries receive. */
#ifndef ORVANA_PLATFORM_EDIT_CONTROL_H
#define ORVANA_PLATFORM_EDIT_CONTROL_H

#include <stddef.h>
#include <stdint.h>
#include <uchar.h>

#include "platform/export.h"
#include "platform/message_box.h"

#ifdef __cplusplus
extern "C" {
#endif

/* A new, empty model without a text limit; null when memory is exhausted. */
PLATFORM_API PlatformWindow platformEditCreate(void);
PLATFORM_API void platformEditDestroy(PlatformWindow edit);
/* Whether the handle names a live edit model. */
PLATFORM_API int platformEditIsControl(PlatformWindow edit);

/* Copies the text into out (capacity units, always 0-terminated when
 * capacity > 0, cut to fit) and returns the full text length. */
PLATFORM_API size_t platformEditGetText(PlatformWindow edit, char16_t* out, size_t capacity);
PLATFORM_API size_t platformEditTextLength(PlatformWindow edit);
/* Replaces the whole text (cut to the limit) and puts the caret at its end.
 * Returns 1, or 0 for an unknown handle. */
PLATFORM_API int platformEditSetText(PlatformWindow edit, const char16_t* text);

/* The selection as character positions, start <= end; a caret is an empty
 * selection. Positions outside the text are clamped; start > end swaps. */
PLATFORM_API void platformEditGetSelection(PlatformWindow edit, int32_t* start, int32_t* end);
PLATFORM_API void platformEditSetSelection(PlatformWindow edit, int32_t start, int32_t end);
/* Replaces the selection by text and puts the caret after it. When the text
 * limit would be passed only what fits is inserted and 0 is returned (the
 * edit control's "text limit reached"); otherwise 1. */
PLATFORM_API int platformEditReplaceSelection(PlatformWindow edit, const char16_t* text);

/* The most characters the text may hold; 0 means no limit. A lower limit
 * does not cut the text already there. */
PLATFORM_API void platformEditSetLimit(PlatformWindow edit, int32_t limit);
PLATFORM_API int32_t platformEditLimit(PlatformWindow edit);
/* Lines of the text: one more than the number of line breaks. */
PLATFORM_API int32_t platformEditLineCount(PlatformWindow edit);

#ifdef __cplusplus
}
#endif

#endif
