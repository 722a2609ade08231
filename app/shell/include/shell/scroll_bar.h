// The block list's scroll bar as a model: a range, a page size and a
// position, moved by the scroll bar's line and page actions and by releasing
// its thumb, and drawn as a slim bar beside the block list.
#ifndef ORVANA_SHELL_SCROLL_BAR_H
#define ORVANA_SHELL_SCROLL_BAR_H

#include <cstdint>

#include "platform/drawing.h"

namespace shell {

enum class ScrollAction { LineUp, LineDown, PageUp, PageDown, ThumbPosition, ThumbTrack };

struct ScrollBarState {
    int minimum = 0;
    int maximum = 0;
    int page = 1;
    int position = 0;
};

// The position an action leads to, clamped to the range; dragging the thumb
// (ThumbTrack) leaves it where it was until the thumb is released.
int scrollTarget(const ScrollBarState& bar, ScrollAction action, int thumb);

// The bar in the rectangle (x, y, width, height): a light track with a dark
// thumb whose length and place follow the page and the position.
void drawScrollBar(PlatformSurface* surface, const ScrollBarState& bar, int32_t x, int32_t y,
                   int32_t width, int32_t height);

}  // namespace shell

#endif
