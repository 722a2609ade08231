/* The small modal dialogs keypad libraries ask for: a prompt with labelled
 * edit lines, and a list to choose one entry from. Shown by the backend in
 * force; the headless backend cancels them. */
#ifndef ORVANA_PLATFORM_DIALOGS_H
#define ORVANA_PLATFORM_DIALOGS_H

#include <stdint.h>
#include <uchar.h>

#include "platform/export.h"
#include "platform/message_box.h"

#ifdef __cplusplus
extern "C" {
#endif

/* One edit line of a prompt dialog: its label above it, and its text, which
 * holds the prefilled value on the way in and what was typed on the way out
 * (at most capacity - 1 units, always 0-terminated). */
typedef struct PlatformPromptField {
    const char16_t* label;
    char16_t* text;
    int32_t capacity;
} PlatformPromptField;

/* Shows the prompt with its fields; 1 for OK, 0 for Cancel (the texts are then
 * left as they came in). A count below 1, a null field array, or a field
 * without a text buffer cancels at once. */
PLATFORM_API int platformPromptDialog(PlatformWindow owner, const char16_t* caption,
                                      PlatformPromptField* fields, int32_t count);

/* Shows the list with `initial` selected (-1 for none) and returns the index
 * chosen, or -1 for Cancel. */
PLATFORM_API int32_t platformListDialog(PlatformWindow owner, const char16_t* caption,
                                        const char16_t* const* items, int32_t count,
                                        int32_t initial);

#ifdef __cplusplus
}
#endif

#endif
