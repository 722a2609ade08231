#include "surface_snapshot.h"

#include <cstdio>
#include <cstdlib>

namespace shell::testing {

void snapshot(const PlatformSurface* surface, const std::string& name) {
    const char* folder = std::getenv("ORVANA_SNAPSHOT_DIR");
    if (folder == nullptr || surface == nullptr) return;
    const std::string path = std::string(folder) + "/" + name + ".ppm";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return;
    const int w = platformSurfaceWidth(surface), h = platformSurfaceHeight(surface);
    std::fprintf(file, "P6\n%d %d\n255\n", w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const PlatformColour c = platformSurfacePixel(surface, x, y);
            const unsigned char rgb[3] = {static_cast<unsigned char>(PLATFORM_COLOUR_RED(c)),
                                          static_cast<unsigned char>(PLATFORM_COLOUR_GREEN(c)),
                                          static_cast<unsigned char>(PLATFORM_COLOUR_BLUE(c))};
            std::fwrite(rgb, 1, 3, file);
        }
    std::fclose(file);
}

int inkPixels(const PlatformSurface* surface, int left, int top, int right, int bottom,
              PlatformColour background) {
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (platformSurfacePixel(surface, x, y) != background) ++count;
    return count;
}

}  // namespace shell::testing
