/* The services that need a user interface are routed to a backend: one table
 * of function pointers that the host installs at start-up. The window front
 * end installs its toolkit backend, tests install a scripted one; without one
 * the headless backend answers. An entry that is null, or lies beyond the
 * table's `size`, is answered by the headless backend, so a table written
 * against an older header keeps working as the table grows. */
#ifndef ORVANA_PLATFORM_BACKEND_H
#define ORVANA_PLATFORM_BACKEND_H

#include <stdint.h>
#include <uchar.h>

#include "platform/dialogs.h"
#include "platform/drawing.h"
#include "platform/export.h"
#include "platform/message_box.h"
#include "platform/popup_menu.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct PlatformBackend {
    /* sizeof(PlatformBackend) as the installer knows it. */
    uint32_t size;
    /* Handed back to every entry. */
    void* context;

    /* ---- Message boxes, pointer, cursor ---- */
    int (*messageBox)(void* context, PlatformWindow owner, const char16_t* text,
                      const char16_t* caption, uint32_t style);
    /* 1 while the pointer (the stylus, the mouse button) is pressed on the
     * program's window; a running script polls it between blocks. */
    int (*pointerPressed)(void* context);
    /* Shows (1) or removes (0) the wait cursor. */
    void (*setWaitCursor)(void* context, int shown);

    /* ---- Drawing (arguments arrive checked: a live surface, count >= 2,
     * non-empty text, a font with a face and a positive height) ---- */
    void (*fillRect)(void* context, PlatformSurface* surface, int32_t left, int32_t top,
                     int32_t right, int32_t bottom, PlatformColour colour);
    void (*drawPolyline)(void* context, PlatformSurface* surface, const PlatformPoint* points,
                         int32_t count, PlatformColour colour);
    void (*drawEllipse)(void* context, PlatformSurface* surface, int32_t left, int32_t top,
                        int32_t right, int32_t bottom, PlatformColour colour, int filled);
    void (*drawText)(void* context, PlatformSurface* surface, int32_t x, int32_t y,
                     const char16_t* text, const PlatformFont* font, PlatformColour colour);
    void (*measureText)(void* context, const char16_t* text, const PlatformFont* font,
                        int32_t* width, int32_t* height);

    /* ---- Menus and small modal dialogs (see popup_menu.h, dialogs.h) ---- */
    /* The chosen item's id, or -1 when the menu was dismissed. */
    int32_t (*trackMenu)(void* context, PlatformWindow owner, const PlatformMenuItem* items,
                         int32_t count, int32_t x, int32_t y);
    /* 1 for OK (the fields' texts hold what was typed), 0 for Cancel. */
    int (*promptDialog)(void* context, PlatformWindow owner, const char16_t* caption,
                        PlatformPromptField* fields, int32_t count);
    /* The chosen item's index, or -1 for Cancel. */
    int32_t (*listDialog)(void* context, PlatformWindow owner, const char16_t* caption,
                          const char16_t* const* items, int32_t count, int32_t initial);

    /* ---- Clipboard, help viewer, windows ---- */
    /* 1 when the text was put on the clipboard. */
    int (*setClipboardText)(void* context, const char16_t* text);
    /* Copies the clipboard's text into buffer (capacity units, always
     * 0-terminated when capacity > 0) and returns its full length, or -1 when
     * the clipboard holds no text. */
    int32_t (*getClipboardText)(void* context, char16_t* buffer, int32_t capacity);
    /* Opens the help page at path (a local file) at the anchor (may be empty);
     * 1 when a viewer was started. */
    int (*openHelp)(void* context, const char16_t* path, const char16_t* anchor);
    /* The top-level window of this class and title, or null. */
    PlatformWindow (*findWindow)(void* context, const char16_t* className, const char16_t* title);
} PlatformBackend;

/* Installs a backend (the table must outlive its installation). Null restores
 * the headless backend. */
PLATFORM_API void platformSetBackend(const PlatformBackend* backend);
/* The backend in force; never null. */
PLATFORM_API const PlatformBackend* platformCurrentBackend(void);
/* The headless backend: message boxes are written to standard error and
 * answered with their default button; menus and dialogs are dismissed;
 * drawing goes straight into the surface's pixels with a built-in glyph model;
 * the clipboard is kept in the process; no help viewer; no windows. */
PLATFORM_API const PlatformBackend* platformHeadlessBackend(void);

#ifdef __cplusplus
}
#endif

#endif
