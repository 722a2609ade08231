/* The services that need a user interface are routed to a backend, a table of
 * function pointers that the host installs at start-up: the window front end
 * installs its toolkit backend, tests install a scripted one. Without one the
 * headless backend answers. */
#ifndef ORVANA_PLATFORM_BACKEND_H
#define ORVANA_PLATFORM_BACKEND_H

#include <stdint.h>
#include <uchar.h>

#include "platform/export.h"
#include "platform/message_box.h"
#include "platform/popup_menu.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct PlatformBackend {
    /* sizeof(PlatformBackend) as the installer knows it; entries beyond this
     * size are treated as absent, so the table can grow. */
    uint32_t size;
    /* Handed back to every entry. */
    void* context;
    int (*messageBox)(void* context, PlatformWindow owner, const char16_t* text,
                      const char16_t* caption, uint32_t style);
    int32_t (*popupMenu)(void* context, PlatformWindow owner, const char16_t* const* items,
                         int32_t count, int32_t x, int32_t y);
    /* 1 while the pointer (the stylus, the mouse button) is pressed on the
     * program's window; a running script polls it between blocks. */
    int (*pointerPressed)(void* context);
    /* Shows (1) or removes (0) the wait cursor. */
    void (*setWaitCursor)(void* context, int shown);
} PlatformBackend;

/* Installs a backend (the table must outlive its installation). Null restores
 * the headless backend. Entries that are null fall back to the headless ones. */
PLATFORM_API void platformSetBackend(const PlatformBackend* backend);
/* The backend in force; never null. */
PLATFORM_API const PlatformBackend* platformCurrentBackend(void);
/* The headless backend: message boxes are written to standard error and
 * answered with their default button; pop-up menus are dismissed. */
PLATFORM_API const PlatformBackend* platformHeadlessBackend(void);

#ifdef __cplusplus
}
#endif

#endif
