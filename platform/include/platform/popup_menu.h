/* Pop-up menus, shown by whichever backend is installed. A menu is an array of
 * items; an item is a command, a separator, or a sub-menu. */
#ifndef ORVANA_PLATFORM_POPUP_MENU_H
#define ORVANA_PLATFORM_POPUP_MENU_H

#include <stdint.h>
#include <uchar.h>

#include "platform/export.h"
#include "platform/message_box.h"

#ifdef __cplusplus
extern "C" {
#endif

#define PLATFORM_MENU_CHECKED 0x1u
#define PLATFORM_MENU_DISABLED 0x2u

typedef struct PlatformMenuItem {
    /* 0-terminated UTF-16; null makes the item a separator. */
    const char16_t* text;
    /* What choosing the item returns (>= 0); unused for separators and
     * sub-menus. */
    int32_t id;
    /* PLATFORM_MENU_CHECKED, PLATFORM_MENU_DISABLED. */
    uint32_t flags;
    /* Non-null with submenuCount > 0: the item opens this sub-menu. */
    const struct PlatformMenuItem* submenu;
    int32_t submenuCount;
} PlatformMenuItem;

/* Shows the menu at (x, y) in the owner's coordinates and returns the chosen
 * item's id, or -1 when it was dismissed (or no items were given). An answer
 * that is not the id of an enabled command of the menu counts as dismissed. */
PLATFORM_API int32_t platformTrackMenu(PlatformWindow owner, const PlatformMenuItem* items,
                                       int32_t count, int32_t x, int32_t y);

/* A flat menu of `count` texts: the index of the chosen item, or -1. */
PLATFORM_API int32_t platformPopupMenu(PlatformWindow owner, const char16_t* const* items,
                                       int32_t count, int32_t x, int32_t y);

#ifdef __cplusplus
}
#endif

#endif
