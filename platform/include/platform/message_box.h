/* Modal message boxes, shown by whichever backend is installed. */
#ifndef ORVANA_PLATFORM_MESSAGE_BOX_H
#define ORVANA_PLATFORM_MESSAGE_BOX_H

#include <stdint.h>
#include <uchar.h>

#include "platform/export.h"

#ifdef __cplusplus
extern "C" {
#endif

/* An opaque window handle; null means "no owner". */
typedef void* PlatformWindow;

/* Buttons (low nibble). */
#define PLATFORM_MB_OK 0x0000u
#define PLATFORM_MB_YESNO 0x0004u
/* Icons. */
#define PLATFORM_MB_ICONSTOP 0x0010u
#define PLATFORM_MB_ICONQUESTION 0x0020u
#define PLATFORM_MB_ICONEXCLAMATION 0x0030u
#define PLATFORM_MB_ICONINFORMATION 0x0040u
/* The second button is the default one. */
#define PLATFORM_MB_DEFBUTTON2 0x0100u
/* Bring the box to the foreground. */
#define PLATFORM_MB_SETFOREGROUND 0x00010000u

#define PLATFORM_MB_BUTTON_MASK 0x000Fu
#define PLATFORM_MB_ICON_MASK 0x00F0u

/* Answers. */
#define PLATFORM_IDOK 1
#define PLATFORM_IDYES 6
#define PLATFORM_IDNO 7

/* Shows a modal message box and returns the button pressed. text and caption
 * are 0-terminated UTF-16; a null text or caption is shown as empty. */
PLATFORM_API int platformMessageBox(PlatformWindow owner, const char16_t* text,
                                    const char16_t* caption, uint32_t style);

/* The answer a box of this style gives when nobody is there to press a button. */
PLATFORM_API int platformMessageBoxDefaultAnswer(uint32_t style);

#ifdef __cplusplus
}
#endif

#endif
