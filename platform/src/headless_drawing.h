// The headless drawing primitives, for the headless backend's table.
#ifndef ORVANA_PLATFORM_HEADLESS_DRAWING_H
#define ORVANA_PLATFORM_HEADLESS_DRAWING_H

#include "platform/drawing.h"

namespace platform::headless {

void fillRect(void*, PlatformSurface* surface, int32_t left, int32_t top, int32_t right,
              int32_t bottom, PlatformColour colour);
void drawPolyline(void*, PlatformSurface* surface, const PlatformPoint* points, int32_t count,
                  PlatformColour colour);
void drawEllipse(void*, PlatformSurface* surface, int32_t left, int32_t top, int32_t right,
                 int32_t bottom, PlatformColour colour, int filled);
void drawText(void*, PlatformSurface* surface, int32_t x, int32_t y, const char16_t* text,
              const PlatformFont* font, PlatformColour colour);
void measureText(void*, const char16_t* text, const PlatformFont* font, int32_t* width,
                 int32_t* height);

}  // namespace platform::headless

#endif
