/* Pop-up menus, shown by whichever backend is installed. */
#ifndef ORVANA_PLATFORM_POPUP_MENU_H
#define ORVANA_PLATFORM_POPUP_MENU_H

#include <stdint.h>
#include <uchar.h>

#include "platform/export.h"
#include "platform/message_box.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Shows a pop-up menu of `count` items (0-terminated UTF-16 texts) at (x, y)
 * in the owner's coordinates and returns the index of the chosen item, or -1
 * when the menu was dismissed (or no items were given). */
PLATFORM_API int32_t platformPopupMenu(PlatformWindow owner, const char16_t* const* items,
                                       int32_t count, int32_t x, int32_t y);

#ifdef __cplusplus
}
#endif

#endif
