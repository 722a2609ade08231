// Drawing without a toolkit, straight into a surface's pixels. Text uses a
// deterministic glyph model instead of a font: every character cell is
// (height + 1) / 2 pixels wide and `height` tall, and a printable character
// sets a 3 x 5 pattern derived from its code, scaled into the cell, so that
// tests can tell drawn text from background and measure where it went.
#include <algorithm>
#include <cstdlib>

#include "headless_drawing.h"

namespace platform::headless {

namespace {

// Fills the device pixels of the logical rectangle, already clipped.
void fillDevice(PlatformSurface* surface, int32_t left, int32_t top, int32_t right,
                int32_t bottom, PlatformColour colour) {
    const int32_t scale = platformSurfaceScale(surface);
    const size_t stride = size_t(platformSurfacePixelWidth(surface));
    uint32_t* pixels = platformSurfacePixels(surface);
    for (int32_t y = top * scale; y < bottom * scale; ++y)
        std::fill(pixels + size_t(y) * stride + size_t(left * scale),
                  pixels + size_t(y) * stride + size_t(right * scale), colour);
}

// One logical pixel: a scale x scale block of device pixels.
void plot(PlatformSurface* surface, int32_t x, int32_t y, PlatformColour colour) {
    const int32_t w = platformSurfaceWidth(surface);
    if (x < 0 || y < 0 || x >= w || y >= platformSurfaceHeight(surface)) return;
    fillDevice(surface, x, y, x + 1, y + 1, colour);
}

}  // namespace

void fillRect(void*, PlatformSurface* surface, int32_t left, int32_t top, int32_t right,
              int32_t bottom, PlatformColour colour) {
    const int32_t w = platformSurfaceWidth(surface), h = platformSurfaceHeight(surface);
    if (left < 0) left = 0;
    if (top < 0) top = 0;
    if (right > w) right = w;
    if (bottom > h) bottom = h;
    if (right <= left || bottom <= top) return;
    fillDevice(surface, left, top, right, bottom, colour);
}

// Bresenham's line, both ends included.
static void line(PlatformSurface* surface, PlatformPoint a, PlatformPoint b, PlatformColour colour) {
    int64_t x = a.x, y = a.y;
    const int64_t dx = std::llabs(int64_t(b.x) - a.x), dy = -std::llabs(int64_t(b.y) - a.y);
    const int64_t sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
    int64_t error = dx + dy;
    // A line far outside the surface still ends: at most dx - dy + 1 steps.
    for (int64_t steps = dx - dy + 1; steps > 0; --steps) {
        plot(surface, int32_t(x), int32_t(y), colour);
        if (x == b.x && y == b.y) break;
        const int64_t twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

void drawPolyline(void*, PlatformSurface* surface, const PlatformPoint* points, int32_t count,
                  PlatformColour colour) {
    for (int32_t i = 1; i < count; ++i) line(surface, points[i - 1], points[i], colour);
}

// Whether the centre of pixel (x, y) lies inside the ellipse of the box.
static bool inside(double cx, double cy, double rx, double ry, int32_t x, int32_t y) {
    const double u = (x + 0.5 - cx) / rx, v = (y + 0.5 - cy) / ry;
    return u * u + v * v <= 1.0;
}

void drawEllipse(void*, PlatformSurface* surface, int32_t left, int32_t top, int32_t right,
                 int32_t bottom, PlatformColour colour, int filled) {
    const double cx = (double(left) + right) / 2, cy = (double(top) + bottom) / 2;
    const double rx = (double(right) - left) / 2, ry = (double(bottom) - top) / 2;
    const int32_t w = platformSurfaceWidth(surface), h = platformSurfaceHeight(surface);
    const int32_t y0 = top < 0 ? 0 : top, y1 = bottom > h ? h : bottom;
    const int32_t x0 = left < 0 ? 0 : left, x1 = right > w ? w : right;
    for (int32_t y = y0; y < y1; ++y) {
        for (int32_t x = x0; x < x1; ++x) {
            if (!inside(cx, cy, rx, ry, x, y)) continue;
            const bool edge =
                !inside(cx, cy, rx, ry, x - 1, y) || !inside(cx, cy, rx, ry, x + 1, y) ||
                !inside(cx, cy, rx, ry, x, y - 1) || !inside(cx, cy, rx, ry, x, y + 1);
            if (filled || edge) plot(surface, x, y, colour);
        }
    }
}

static int32_t cellWidth(const PlatformFont* font) {
    return (font->height + 1) / 2;
}

// The 3 x 5 pattern of a character: 15 bits, the middle one always set.
static uint32_t pattern(char16_t c) {
    uint32_t bits = (uint32_t(c) * 2654435761u) >> 17;
    return (bits & 0x7FFFu) | (1u << 7);
}

void drawText(void*, PlatformSurface* surface, int32_t x, int32_t y, const char16_t* text,
              const PlatformFont* font, PlatformColour colour) {
    const int32_t cw = cellWidth(font), ch = font->height;
    // The glyph leaves a one-pixel gap to the next cell and above and below.
    const int32_t gw = cw > 1 ? cw - 1 : 1, gh = ch > 2 ? ch - 2 : 1;
    const bool bold = font->weight >= PLATFORM_FONT_BOLD;
    for (int32_t i = 0; text[i] != 0; ++i) {
        if (text[i] <= u' ') continue;
        const uint32_t bits = pattern(text[i]);
        const int32_t left = x + i * cw, top = y + (ch > 2 ? 1 : 0);
        for (int32_t py = 0; py < gh; ++py)
            for (int32_t px = 0; px < gw; ++px) {
                const int32_t column = px * 3 / gw, row = py * 5 / gh;
                if (!(bits >> (row * 3 + column) & 1u)) continue;
                plot(surface, left + px, top + py, colour);
                if (bold && px + 1 < cw) plot(surface, left + px + 1, top + py, colour);
            }
    }
}

void measureText(void*, const char16_t* text, const PlatformFont* font, int32_t* width,
                 int32_t* height) {
    int32_t count = 0;
    while (text[count] != 0) ++count;
    *width = count * cellWidth(font);
    *height = font->height;
}

}  // namespace platform::headless
