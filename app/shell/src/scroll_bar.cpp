// The scroll bar model of the block list.
#include "shell/scroll_bar.h"

#include <algorithm>

namespace shell {
namespace {

constexpr PlatformColour kTrack = PLATFORM_RGB(224, 224, 224);
constexpr PlatformColour kThumb = PLATFORM_RGB(96, 96, 96);
constexpr int32_t kShortestThumb = 8;

}  // namespace

int scrollTarget(const ScrollBarState& bar, ScrollAction action, int thumb) {
    int target = bar.position;
    switch (action) {
        case ScrollAction::LineUp:
            target -= 1;
            break;
        case ScrollAction::LineDown:
            target += 1;
            break;
        case ScrollAction::PageUp:
            target -= bar.page;
            break;
        case ScrollAction::PageDown:
            target += bar.page;
            break;
        case ScrollAction::ThumbPosition:
            target = thumb;
            break;
        case ScrollAction::ThumbTrack:
            break;
    }
    return std::clamp(target, bar.minimum, std::max(bar.minimum, bar.maximum));
}

void drawScrollBar(PlatformSurface* surface, const ScrollBarState& bar, int32_t x, int32_t y,
                   int32_t width, int32_t height) {
    if (height <= 0) return;
    platformFillRect(surface, x, y, x + width, y + height, kTrack);
    // The thumb covers the page's share of the range (range + page steps).
    const int64_t steps = int64_t(bar.maximum) - bar.minimum + std::max(bar.page, 1);
    const int32_t length =
        std::max<int32_t>(kShortestThumb, int32_t(int64_t(height) * std::max(bar.page, 1) / steps));
    const int32_t travel = height - std::min(length, height);
    const int64_t span = int64_t(bar.maximum) - bar.minimum;
    const int32_t offset =
        span > 0 ? int32_t(int64_t(travel) * (bar.position - bar.minimum) / span) : 0;
    platformFillRect(surface, x + 1, y + offset, x + width - 1, y + offset + std::min(length, height),
                     kThumb);
}

}  // namespace shell
