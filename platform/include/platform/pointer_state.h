/* The pointer-pressed state and the wait cursor, through the backend in
 * force (the headless backend: never pressed, no cursor). */
#ifndef ORVANA_PLATFORM_POINTER_STATE_H
#define ORVANA_PLATFORM_POINTER_STATE_H

#include "platform/export.h"

#ifdef __cplusplus
extern "C" {
#endif

/* 1 while the pointer is pressed, else 0. */
PLATFORM_API int platformPointerPressed(void);
/* Shows (non-zero) or removes (0) the wait cursor. */
PLATFORM_API void platformSetWaitCursor(int shown);
/* 1 when the wait cursor was last shown, 0 when it was removed (or never
 * shown). */
PLATFORM_API int platformWaitCursorShown(void);

#ifdef __cplusplus
}
#endif

#endif
