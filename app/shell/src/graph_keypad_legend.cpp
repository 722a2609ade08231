#include "shell/graph_keypad_legend.h"

#include "shell/block_view.h"

namespace shell {
namespace {

constexpr int kColumns = 3;
constexpr int kRows = 4;
constexpr int kCellWidth = kGraphLegendWidth / kColumns;  // 63
constexpr int kCellHeight = 42;
// Light enough that curves drawn over the legend stay readable.
constexpr PlatformColour kFrame = PLATFORM_RGB(200, 200, 220);
constexpr PlatformColour kKeyInk = PLATFORM_RGB(120, 120, 160);
constexpr PlatformColour kActionInk = PLATFORM_RGB(150, 150, 150);

struct LegendKey {
    const char16_t* key;
    const char16_t* action;
};

// Row by row as on the phone keypad; the star position stays empty.
constexpr LegendKey kKeys[kRows][kColumns] = {
    {{u"1", u"Zoom In"}, {u"2", u"Up"}, {u"3", u"Zoom Out"}},
    {{u"4", u"Left"}, {u"5", u"Autoscale"}, {u"6", u"Right"}},
    {{u"7", u"Scale Y"}, {u"8", u"Down"}, {u"9", u"Default"}},
    {{nullptr, nullptr}, {u"0", u"Grids"}, {u"\u21B5", u"Trace"}},
};

}  // namespace

void drawGraphKeypadLegend(PlatformSurface* surface) {
    const PlatformFont keyFont{u"Tahoma", 16, PLATFORM_FONT_BOLD};
    const PlatformFont actionFont = labelFont();
    platformFillRect(surface, 0, 0, kGraphLegendWidth, kGraphLegendHeight, PLATFORM_RGB(255, 255, 255));
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            const LegendKey& k = kKeys[row][column];
            if (k.key == nullptr) continue;
            const int left = column * kCellWidth, top = row * kCellHeight;
            const PlatformPoint frame[5] = {{left + 1, top + 1},
                                            {left + kCellWidth - 2, top + 1},
                                            {left + kCellWidth - 2, top + kCellHeight - 2},
                                            {left + 1, top + kCellHeight - 2},
                                            {left + 1, top + 1}};
            platformDrawPolyline(surface, frame, 5, kFrame);
            platformDrawText(surface, left + 5, top + 3, k.key, &keyFont, kKeyInk);
            int32_t width = 0, height = 0;
            platformMeasureText(k.action, &actionFont, &width, &height);
            platformDrawText(surface, left + (kCellWidth - width) / 2, top + 20, k.action,
                             &actionFont, kActionInk);
        }
}

PlatformSurface* createGraphKeypadLegend(int scale) {
    PlatformSurface* surface =
        platformCreateScaledSurface(kGraphLegendWidth, kGraphLegendHeight, scale);
    if (surface != nullptr) drawGraphKeypadLegend(surface);
    return surface;
}

}  // namespace shell
