// A module with a string table and bitmaps, loaded by the resource tests.
#include "platform/drawing.h"
#include "platform/string_resources.h"

extern "C" PLATFORM_API const PlatformStringEntry orvanaStringTable[] = {
    {101, u"Bad first argument"},
    {0x8005, u"sin(x) is the sine of x"},
    {7, u""},
    {0, nullptr},
};

// Bitmaps: "NAME" a red square, "EMPTY" without a drawing, "HUGE" too big.

namespace {
void drawName(PlatformSurface* surface) {
    platformFillRect(surface, 0, 0, 20, 16, PLATFORM_RGB(255, 0, 0));
}
}  // namespace

extern "C" PLATFORM_API const PlatformBitmapEntry orvanaBitmapTable[] = {
    {"NAME", 20, 16, drawName},
    {"EMPTY", 3, 2, nullptr},
    {"HUGE", 5000, 2, drawName},
    {nullptr, 0, 0, nullptr},
};
