// Memory drawing surfaces: their pixels, copies between them, and the
// routing of drawing primitives to the backend in force.
#include <algorithm>
#include <cstddef>
#include <new>
#include <vector>

#include "platform/drawing.h"

#include "backend_routing.h"

struct PlatformSurface {
    int32_t width;  // logical
    int32_t height;
    int32_t scale;
    std::vector<uint32_t> pixels;  // (width x scale) x (height x scale)
};

namespace {

constexpr int32_t kLargestSide = 4096;
constexpr int32_t kLargestScale = 4;
constexpr PlatformColour kWhite = PLATFORM_RGB(255, 255, 255);

const char16_t kDefaultFace[] = u"Tahoma";

PlatformFont resolved(const PlatformFont* font) {
    PlatformFont f{kDefaultFace, 12, PLATFORM_FONT_NORMAL};
    if (font != nullptr) {
        if (font->face != nullptr) f.face = font->face;
        f.height = font->height < 0 ? -font->height : font->height;
        if (f.height == 0) f.height = 12;
        f.weight = font->weight;
    }
    return f;
}

// Clips a copy of width x height from (sx, sy) to (dx, dy) against both
// surfaces; false when nothing is left.
bool clipCopy(const PlatformSurface* d, int32_t& dx, int32_t& dy, const PlatformSurface* s,
              int32_t& sx, int32_t& sy, int32_t& width, int32_t& height) {
    if (d == nullptr || s == nullptr || width <= 0 || height <= 0) return false;
    auto clipAxis = [](int32_t& dst, int32_t& src, int32_t& length, int32_t dLimit,
                       int32_t sLimit) {
        if (src < 0) {
            dst -= src;
            length += src;
            src = 0;
        }
        if (dst < 0) {
            src -= dst;
            length += dst;
            dst = 0;
        }
        length = std::min({length, dLimit - dst, sLimit - src});
        return length > 0;
    };
    return clipAxis(dx, sx, width, d->width, s->width) &&
           clipAxis(dy, sy, height, d->height, s->height);
}

// Copies the clipped logical rectangle in device pixels; with a key, source
// pixels of that colour are skipped.
void copyPixels(PlatformSurface* d, int32_t dx, int32_t dy, const PlatformSurface* s, int32_t sx,
                int32_t sy, int32_t width, int32_t height, const PlatformColour* key) {
    if (!clipCopy(d, dx, dy, s, sx, sy, width, height)) return;
    const int32_t ds = d->scale, ss = s->scale;
    const size_t dWidth = size_t(d->width) * size_t(ds), sWidth = size_t(s->width) * size_t(ss);
    for (int32_t row = 0; row < height * ds; ++row) {
        uint32_t* to = &d->pixels[size_t(dy * ds + row) * dWidth + size_t(dx * ds)];
        const size_t fromRow = size_t(sy * ss + row * ss / ds);
        const uint32_t* from = &s->pixels[fromRow * sWidth + size_t(sx * ss)];
        for (int32_t i = 0; i < width * ds; ++i) {
            const uint32_t pixel = ds == ss ? from[i] : from[size_t(i) * size_t(ss) / size_t(ds)];
            if (key == nullptr || (pixel & 0xFFFFFFu) != *key) to[i] = pixel;
        }
    }
}

}  // namespace

extern "C" {

PlatformSurface* platformCreateSurface(int32_t width, int32_t height) {
    return platformCreateScaledSurface(width, height, 1);
}

PlatformSurface* platformCreateScaledSurface(int32_t width, int32_t height, int32_t scale) {
    if (width < 1 || height < 1 || width > kLargestSide || height > kLargestSide) return nullptr;
    if (scale < 1 || scale > kLargestScale) return nullptr;
    auto* surface = new (std::nothrow) PlatformSurface{width, height, scale, {}};
    if (surface == nullptr) return nullptr;
    try {
        surface->pixels.assign(size_t(width) * size_t(height) * size_t(scale) * size_t(scale),
                               kWhite);
    } catch (...) {
        delete surface;
        return nullptr;
    }
    return surface;
}

void platformDestroySurface(PlatformSurface* surface) {
    delete surface;
}

int32_t platformSurfaceWidth(const PlatformSurface* surface) {
    return surface != nullptr ? surface->width : 0;
}

int32_t platformSurfaceHeight(const PlatformSurface* surface) {
    return surface != nullptr ? surface->height : 0;
}

int32_t platformSurfaceScale(const PlatformSurface* surface) {
    return surface != nullptr ? surface->scale : 1;
}

int32_t platformSurfacePixelWidth(const PlatformSurface* surface) {
    return surface != nullptr ? surface->width * surface->scale : 0;
}

int32_t platformSurfacePixelHeight(const PlatformSurface* surface) {
    return surface != nullptr ? surface->height * surface->scale : 0;
}

uint32_t* platformSurfacePixels(PlatformSurface* surface) {
    return surface != nullptr ? surface->pixels.data() : nullptr;
}

PlatformColour platformSurfaceDevicePixel(const PlatformSurface* surface, int32_t x, int32_t y) {
    if (surface == nullptr || x < 0 || y < 0) return PLATFORM_NO_PIXEL;
    const int32_t w = surface->width * surface->scale, h = surface->height * surface->scale;
    if (x >= w || y >= h) return PLATFORM_NO_PIXEL;
    return surface->pixels[size_t(y) * size_t(w) + size_t(x)] & 0xFFFFFFu;
}

PlatformColour platformSurfacePixel(const PlatformSurface* surface, int32_t x, int32_t y) {
    if (surface == nullptr || x < 0 || y < 0 || x >= surface->width || y >= surface->height)
        return PLATFORM_NO_PIXEL;
    return platformSurfaceDevicePixel(surface, x * surface->scale, y * surface->scale);
}

void platformFillRect(PlatformSurface* surface, int32_t left, int32_t top, int32_t right,
                      int32_t bottom, PlatformColour colour) {
    if (surface == nullptr || right <= left || bottom <= top) return;
    const PlatformBackend* b = platform::backendFor(&PlatformBackend::fillRect);
    b->fillRect(b->context, surface, left, top, right, bottom, colour & 0xFFFFFFu);
}

void platformDrawPolyline(PlatformSurface* surface, const PlatformPoint* points, int32_t count,
                          PlatformColour colour) {
    if (surface == nullptr || points == nullptr || count < 2) return;
    const PlatformBackend* b = platform::backendFor(&PlatformBackend::drawPolyline);
    b->drawPolyline(b->context, surface, points, count, colour & 0xFFFFFFu);
}

void platformDrawLine(PlatformSurface* surface, int32_t x0, int32_t y0, int32_t x1, int32_t y1,
                      PlatformColour colour) {
    const PlatformPoint points[2] = {{x0, y0}, {x1, y1}};
    platformDrawPolyline(surface, points, 2, colour);
}

void platformDrawEllipse(PlatformSurface* surface, int32_t left, int32_t top, int32_t right,
                         int32_t bottom, PlatformColour colour, int filled) {
    if (surface == nullptr || right <= left || bottom <= top) return;
    const PlatformBackend* b = platform::backendFor(&PlatformBackend::drawEllipse);
    b->drawEllipse(b->context, surface, left, top, right, bottom, colour & 0xFFFFFFu, filled != 0);
}

void platformDrawText(PlatformSurface* surface, int32_t x, int32_t y, const char16_t* text,
                      const PlatformFont* font, PlatformColour colour) {
    if (surface == nullptr || text == nullptr || *text == 0) return;
    const PlatformFont f = resolved(font);
    const PlatformBackend* b = platform::backendFor(&PlatformBackend::drawText);
    b->drawText(b->context, surface, x, y, text, &f, colour & 0xFFFFFFu);
}

void platformMeasureText(const char16_t* text, const PlatformFont* font, int32_t* width,
                         int32_t* height) {
    int32_t w = 0, h = 0;
    if (text != nullptr && *text != 0) {
        const PlatformFont f = resolved(font);
        const PlatformBackend* b = platform::backendFor(&PlatformBackend::measureText);
        b->measureText(b->context, text, &f, &w, &h);
    }
    if (width != nullptr) *width = w;
    if (height != nullptr) *height = h;
}

void platformCopySurface(PlatformSurface* destination, int32_t dx, int32_t dy,
                         const PlatformSurface* source, int32_t sx, int32_t sy, int32_t width,
                         int32_t height) {
    copyPixels(destination, dx, dy, source, sx, sy, width, height, nullptr);
}

void platformCopyTransparent(PlatformSurface* destination, int32_t dx, int32_t dy,
                             const PlatformSurface* source, int32_t sx, int32_t sy, int32_t width,
                             int32_t height, PlatformColour transparent) {
    const PlatformColour key = transparent & 0xFFFFFFu;
    copyPixels(destination, dx, dy, source, sx, sy, width, height, &key);
}

}  // extern "C"
