// Wrapping a text into rows of the block list with the font's real metrics:
// the first line holds what fits in the given width, each later line what
// fits in the width less 10 pixels (it is drawn 10 pixels further in), and a
// line that does not fit breaks before the nearest break character within 25
// characters of the fit point. A text cut at the line limit ends four
// characters early with "..." in the last 10 pixels.
#ifndef ORVANA_SHELL_TEXT_WRAP_H
#define ORVANA_SHELL_TEXT_WRAP_H

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/drawing.h"

namespace shell {

inline constexpr int32_t kRowHeight = 28;
inline constexpr int32_t kWrapWidth = 210;
// Later lines are this much narrower and drawn this much further right.
inline constexpr int32_t kWrapIndent = 10;

struct WrappedLine {
    size_t start = 0;
    size_t length = 0;
    int32_t x = 0;  // offset from the left edge
};

struct WrappedText {
    std::vector<WrappedLine> lines;  // at least one
    bool ellipsis = false;           // "..." at the left edge + width - 10
};

// How many characters of text, from its start, fit in `width` pixels.
size_t fittingCharacters(std::u16string_view text, const PlatformFont& font, int32_t width);

// The lines of text within `width` pixels, at most `maxLines` (at least 1).
// `oneLine` is the graph view's form: what fits in width - 10, then "...".
WrappedText wrapText(std::u16string_view text, const PlatformFont& font, int32_t width,
                     int maxLines, bool oneLine = false);

// The lines of the expression line, each within `width` pixels and broken as
// above, as many as the text needs.
std::vector<WrappedLine> wrapEditLine(std::u16string_view text, const PlatformFont& font,
                                      int32_t width);

// Draws the wrapped text with its first line's top-left corner at (left, top)
// and one row per line, and returns the line count. `rowLimit` stops drawing
// (not wrapping) after that many rows.
int drawWrapped(PlatformSurface* surface, int32_t left, int32_t top, std::u16string_view text,
                const PlatformFont& font, PlatformColour colour, int32_t width, int maxLines,
                bool oneLine = false, int rowLimit = 3);

// Draws text (not 0-terminated) at (x, y).
void drawTextPart(PlatformSurface* surface, int32_t x, int32_t y, std::u16string_view text,
                  const PlatformFont& font, PlatformColour colour);

// Draws text centred in the rectangle (left, top)-(right, bottom), cut at
// the right when it is wider.
void drawCentredText(PlatformSurface* surface, int32_t left, int32_t top, int32_t right,
                     int32_t bottom, std::u16string_view text, const PlatformFont& font,
                     PlatformColour colour);

// The width of text in the font.
int32_t textWidth(std::u16string_view text, const PlatformFont& font);

}  // namespace shell

#endif
