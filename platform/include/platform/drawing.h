/* Drawing surfaces: memory images of 32-bit pixels that modules draw into
 * with fills, lines, ellipses and text, and copy between (also with a
 * transparent colour). A keypad library draws its legend bitmap this way and
 * hands it to the program through LoadBMP.
 *
 * A surface is always a plain memory image owned by the platform. The
 * primitives that need a toolkit to look right (fills, lines, ellipses, text
 * and text measuring) are routed to the installed backend (backend.h), which
 * draws into the same pixels (platformSurfacePixels); the headless backend
 * draws them with a deterministic built-in glyph model, so tests can read
 * pixels back. Copies and pixel reads never go through a backend.
 *
 * Coordinates are pixels, x to the right and y down from the top-left corner.
 * Rectangles include left/top and exclude right/bottom. Everything is clipped
 * to the surface; a null surface or an empty rectangle draws nothing. */
#ifndef ORVANA_PLATFORM_DRAWING_H
#define ORVANA_PLATFORM_DRAWING_H

#include <stddef.h>
#include <stdint.h>
#include <uchar.h>

#include "platform/export.h"
#include "platform/module.h"

#ifdef __cplusplus
extern "C" {
#endif

/* 0x00RRGGBB. */
typedef uint32_t PlatformColour;
#define PLATFORM_RGB(r, g, b)                                                        \
    ((PlatformColour)((((uint32_t)(r)&0xFFu) << 16) | (((uint32_t)(g)&0xFFu) << 8) | \
                      ((uint32_t)(b)&0xFFu)))
#define PLATFORM_COLOUR_RED(c) (((c) >> 16) & 0xFFu)
#define PLATFORM_COLOUR_GREEN(c) (((c) >> 8) & 0xFFu)
#define PLATFORM_COLOUR_BLUE(c) ((c)&0xFFu)
/* What platformSurfacePixel answers outside the surface. */
#define PLATFORM_NO_PIXEL 0xFFFFFFFFu

typedef struct PlatformSurface PlatformSurface;

typedef struct PlatformPoint {
    int32_t x;
    int32_t y;
} PlatformPoint;

/* A font by face, height and weight. face null means "Tahoma"; height is the
 * character cell height in pixels (its absolute value is used); weight 400 is
 * normal, 700 and above bold. */
typedef struct PlatformFont {
    const char16_t* face;
    int32_t height;
    int32_t weight;
} PlatformFont;

#define PLATFORM_FONT_NORMAL 400
#define PLATFORM_FONT_BOLD 700

/* ---- Surfaces ---------------------------------------------------------- */

/* A new width x height image filled with white; null for a size below 1 or
 * above 4096 in either direction, or when memory is exhausted. Its scale is 1. */
PLATFORM_API PlatformSurface* platformCreateSurface(int32_t width, int32_t height);
/* A surface of width x height logical pixels drawn at an integer scale (1 to
 * 4): its pixel array holds (width x scale) x (height x scale) device pixels.
 * Every drawing call takes logical coordinates; a toolkit backend draws with
 * its painter scaled, so lines and text stay sharp at the device resolution.
 * Null for a scale outside 1..4 or a device size above 4096 x 4 a side. */
PLATFORM_API PlatformSurface* platformCreateScaledSurface(int32_t width, int32_t height,
                                                          int32_t scale);
PLATFORM_API void platformDestroySurface(PlatformSurface* surface);
/* The logical size; 0 for null. */
PLATFORM_API int32_t platformSurfaceWidth(const PlatformSurface* surface);
PLATFORM_API int32_t platformSurfaceHeight(const PlatformSurface* surface);
/* The scale (1 for null), and the device size: logical size x scale. */
PLATFORM_API int32_t platformSurfaceScale(const PlatformSurface* surface);
PLATFORM_API int32_t platformSurfacePixelWidth(const PlatformSurface* surface);
PLATFORM_API int32_t platformSurfacePixelHeight(const PlatformSurface* surface);
/* The device pixels, row by row (pixel width a row, no padding), 0x00RRGGBB
 * each (a toolkit may leave its own value in the top byte); for backends that
 * draw into the image themselves. Null for null. */
PLATFORM_API uint32_t* platformSurfacePixels(PlatformSurface* surface);
/* The colour at logical (x, y) (its top-left device pixel), or
 * PLATFORM_NO_PIXEL outside the surface. */
PLATFORM_API PlatformColour platformSurfacePixel(const PlatformSurface* surface, int32_t x,
                                                 int32_t y);
/* The colour of device pixel (x, y), or PLATFORM_NO_PIXEL outside. */
PLATFORM_API PlatformColour platformSurfaceDevicePixel(const PlatformSurface* surface, int32_t x,
                                                       int32_t y);

/* ---- Primitives (through the backend) ---------------------------------- */

PLATFORM_API void platformFillRect(PlatformSurface* surface, int32_t left, int32_t top,
                                   int32_t right, int32_t bottom, PlatformColour colour);
/* A one-pixel pen through the points in order (count >= 2), both ends drawn. */
PLATFORM_API void platformDrawPolyline(PlatformSurface* surface, const PlatformPoint* points,
                                       int32_t count, PlatformColour colour);
PLATFORM_API void platformDrawLine(PlatformSurface* surface, int32_t x0, int32_t y0, int32_t x1,
                                   int32_t y1, PlatformColour colour);
/* The ellipse inside the rectangle: its outline, or filled when filled != 0. */
PLATFORM_API void platformDrawEllipse(PlatformSurface* surface, int32_t left, int32_t top,
                                      int32_t right, int32_t bottom, PlatformColour colour,
                                      int filled);
/* Text (0-terminated UTF-16, one line) with its cell's top-left corner at
 * (x, y), in the colour; the background is left as it was. A null font is
 * Tahoma 12 normal. */
PLATFORM_API void platformDrawText(PlatformSurface* surface, int32_t x, int32_t y,
                                   const char16_t* text, const PlatformFont* font,
                                   PlatformColour colour);
/* The size the text would take, in pixels; both 0 for null or empty text.
 * Headless: every character advances (|height| + 1) / 2 pixels, and the
 * height is |height|. */
PLATFORM_API void platformMeasureText(const char16_t* text, const PlatformFont* font,
                                      int32_t* width, int32_t* height);

/* ---- Copies (memory only) ---------------------------------------------- */

/* Copies width x height logical pixels from (sx, sy) of source to (dx, dy) of
 * destination, clipped to both; between surfaces of one scale the device
 * pixels are copied as they are, between different scales each destination
 * pixel takes the nearest source pixel. The two may be the same surface only
 * when the areas do not overlap. */
PLATFORM_API void platformCopySurface(PlatformSurface* destination, int32_t dx, int32_t dy,
                                      const PlatformSurface* source, int32_t sx, int32_t sy,
                                      int32_t width, int32_t height);
/* As platformCopySurface, but source pixels of the colour `transparent` (top
 * byte ignored) leave the destination unchanged. */
PLATFORM_API void platformCopyTransparent(PlatformSurface* destination, int32_t dx, int32_t dy,
                                          const PlatformSurface* source, int32_t sx, int32_t sy,
                                          int32_t width, int32_t height,
                                          PlatformColour transparent);

/* ---- Bitmap resources -------------------------------------------------- */

/* A module's bitmaps are drawn by the module itself: it exports a table of
 * named entries under PLATFORM_BITMAP_TABLE_SYMBOL, ended by an entry whose
 * name is null, and each entry draws its picture into a fresh white surface
 * of the entry's size. */
typedef struct PlatformBitmapEntry {
    const char* name;
    int32_t width;
    int32_t height;
    void (*draw)(PlatformSurface* surface);
} PlatformBitmapEntry;

#define PLATFORM_BITMAP_TABLE_SYMBOL "orvanaBitmapTable"

/* A new surface holding the module's bitmap of that name; null when the
 * module has no table or no such bitmap, or memory is exhausted. The caller
 * destroys it. */
PLATFORM_API PlatformSurface* platformLoadBitmap(PlatformModule* module, const char* name);

#ifdef __cplusplus
}
#endif

#endif
