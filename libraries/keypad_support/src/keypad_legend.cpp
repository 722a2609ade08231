// Drawing a key table's legend bitmap in the layout of the phone keypad.
#include <algorithm>

#include "keypad_support/key_table.h"

namespace keypad_support {
namespace {

constexpr PlatformColour kBackground = PLATFORM_RGB(255, 255, 255);
constexpr PlatformColour kGrid = PLATFORM_RGB(192, 192, 192);

}  // namespace

PlatformColour pageColour(uint16_t page) {
    switch (page) {
        case 2:
            return PLATFORM_RGB(0, 172, 0);
        case 3:
            return PLATFORM_RGB(128, 0, 0);
        case 4:
            return PLATFORM_RGB(51, 102, 204);
        default:
            return PLATFORM_RGB(0, 0, 0);
    }
}

bool keyCell(char16_t key, int32_t* column, int32_t* row) {
    int32_t c = 0, r = 0;
    if (key >= u'1' && key <= u'9') {
        c = (key - u'1') % 3;
        r = (key - u'1') / 3;
    } else if (key == u'.') {
        c = 0;
        r = 3;
    } else if (key == u'0') {
        c = 1;
        r = 3;
    } else {
        return false;
    }
    *column = c;
    *row = r;
    return true;
}

void cellBounds(int32_t column, int32_t row, int32_t* left, int32_t* top, int32_t* right,
                int32_t* bottom) {
    *left = column * kLegendWidth / kLegendColumns;
    *right = (column + 1) * kLegendWidth / kLegendColumns;
    *top = row * kLegendHeight / kLegendRows;
    *bottom = (row + 1) * kLegendHeight / kLegendRows;
}

void drawLegend(PlatformSurface* surface, KeyTable keys) {
    if (surface == nullptr) return;
    platformFillRect(surface, 0, 0, kLegendWidth, kLegendHeight, kBackground);
    for (int32_t c = 1; c < kLegendColumns; ++c) {
        const int32_t x = c * kLegendWidth / kLegendColumns;
        platformDrawLine(surface, x - 1, 0, x - 1, kLegendHeight - 1, kGrid);
    }
    for (int32_t r = 1; r < kLegendRows; ++r) {
        const int32_t y = r * kLegendHeight / kLegendRows;
        platformDrawLine(surface, 0, y - 1, kLegendWidth - 1, y - 1, kGrid);
    }
    const PlatformFont font{u"Tahoma", kLabelHeight, PLATFORM_FONT_NORMAL};
    for (const Key& key : keys) {
        int32_t column = 0, row = 0;
        if (key.label == nullptr || key.page < 2 || key.page > 4 ||
            !keyCell(key.key, &column, &row))
            continue;
        int32_t left, top, right, bottom;
        cellBounds(column, row, &left, &top, &right, &bottom);
        int32_t width = 0, height = 0;
        platformMeasureText(key.label, &font, &width, &height);
        const int32_t x = left + std::max(0, (right - left - 1 - width) / 2);
        const int32_t y = top + (key.page - 2) * kLabelHeight;
        platformDrawText(surface, x, y, key.label, &font, pageColour(key.page));
    }
}

void drawTitle(PlatformSurface* surface, const char16_t* text, PlatformColour colour) {
    if (surface == nullptr || text == nullptr) return;
    const PlatformFont font{u"Tahoma", 11, PLATFORM_FONT_BOLD};
    int32_t width = 0, height = 0;
    platformMeasureText(text, &font, &width, &height);
    const int32_t w = platformSurfaceWidth(surface), h = platformSurfaceHeight(surface);
    platformFillRect(surface, 0, 0, w, h, kBackground);
    platformDrawText(surface, std::max(0, (w - width) / 2), std::max(0, (h - height) / 2), text,
                     &font, colour);
}

Legend::~Legend() {
    platformDestroySurface(image_);
}

int32_t Legend::copyTo(KeypadSurface surface) {
    auto* target = static_cast<PlatformSurface*>(surface);
    if (target == nullptr) return 0;
    if (image_ == nullptr) {
        image_ = platformCreateSurface(kLegendWidth, kLegendHeight);
        if (image_ == nullptr) return 0;
        drawLegend(image_, keys_);
    }
    platformCopySurface(target, 0, 0, image_, 0, 0, kLegendWidth, kLegendHeight);
    return 1;
}

}  // namespace keypad_support
