// Loading a bitmap from a module's table of drawn bitmaps.
#include <cstring>

#include "platform/drawing.h"

extern "C" PlatformSurface* platformLoadBitmap(PlatformModule* module, const char* name) {
    if (module == nullptr || name == nullptr) return nullptr;
    const auto* table = static_cast<const PlatformBitmapEntry*>(
        platformModuleSymbol(module, PLATFORM_BITMAP_TABLE_SYMBOL));
    if (table == nullptr) return nullptr;
    for (; table->name != nullptr; ++table) {
        if (std::strcmp(table->name, name) != 0) continue;
        PlatformSurface* surface = platformCreateSurface(table->width, table->height);
        if (surface != nullptr && table->draw != nullptr) table->draw(surface);
        return surface;
    }
    return nullptr;
}
