// Wrapping texts into block-list rows.
#include "shell/text_wrap.h"

#include <algorithm>
#include <string>

namespace shell {
namespace {

// A line that does not fit breaks before one of these, the space included.
constexpr std::u16string_view kBreakCharacters = u"=%&'^,+-*\\/()|{} ";
// How far back from the fit point a break character is looked for.
constexpr size_t kBreakSearch = 25;
// A line cut at the line limit gives up this many characters to the "...".
constexpr size_t kEllipsisRoom = 4;
constexpr std::u16string_view kEllipsis = u"...";

bool isBreak(char16_t c) {
    return kBreakCharacters.find(c) != std::u16string_view::npos;
}

// Where a line of `rest` that fits `fit` characters ends: before the nearest
// break character at or before the fit point, within the search distance, or
// at the fit point. Never 0, so wrapping always moves on.
size_t breakPoint(std::u16string_view rest, size_t fit) {
    const size_t lowest = fit > kBreakSearch ? fit - kBreakSearch : 1;
    for (size_t i = fit; i >= lowest && i > 0; --i)
        if (isBreak(rest[i])) return i;
    return std::max<size_t>(fit, 1);
}

}  // namespace

int32_t textWidth(std::u16string_view text, const PlatformFont& font) {
    if (text.empty()) return 0;
    const std::u16string terminated(text);
    int32_t width = 0, height = 0;
    platformMeasureText(terminated.c_str(), &font, &width, &height);
    return width;
}

void drawTextPart(PlatformSurface* surface, int32_t x, int32_t y, std::u16string_view text,
                  const PlatformFont& font, PlatformColour colour) {
    if (text.empty()) return;
    const std::u16string terminated(text);
    platformDrawText(surface, x, y, terminated.c_str(), &font, colour);
}

void drawCentredText(PlatformSurface* surface, int32_t left, int32_t top, int32_t right,
                     int32_t bottom, std::u16string_view text, const PlatformFont& font,
                     PlatformColour colour) {
    const size_t fit = fittingCharacters(text, font, right - left);
    text = text.substr(0, fit);
    const int32_t width = textWidth(text, font);
    const int32_t height = font.height < 0 ? -font.height : font.height;
    drawTextPart(surface, left + (right - left - width) / 2, top + (bottom - top - height) / 2,
                 text, font, colour);
}

size_t fittingCharacters(std::u16string_view text, const PlatformFont& font, int32_t width) {
    if (width <= 0) return 0;
    if (textWidth(text, font) <= width) return text.size();
    // Prefix widths grow with the prefix, so the longest fitting one is found
    // by bisection: lo always fits, hi never does.
    size_t lo = 0, hi = text.size();
    while (hi - lo > 1) {
        const size_t mid = lo + (hi - lo) / 2;
        if (textWidth(text.substr(0, mid), font) <= width)
            lo = mid;
        else
            hi = mid;
    }
    return lo;
}

WrappedText wrapText(std::u16string_view text, const PlatformFont& font, int32_t width,
                     int maxLines, bool oneLine) {
    WrappedText out;
    if (oneLine) {
        const size_t fit = fittingCharacters(text, font, width - kWrapIndent);
        out.lines.push_back({0, std::min(fit, text.size()), 0});
        out.ellipsis = fit < text.size();
        return out;
    }
    maxLines = std::max(maxLines, 1);
    size_t pos = 0;
    for (int line = 0;; ++line) {
        const int32_t x = line == 0 ? 0 : kWrapIndent;
        const std::u16string_view rest = text.substr(pos);
        const size_t fit = fittingCharacters(rest, font, width - x);
        if (fit >= rest.size()) {
            out.lines.push_back({pos, rest.size(), x});
            return out;
        }
        if (line + 1 == maxLines) {
            out.lines.push_back({pos, fit > kEllipsisRoom ? fit - kEllipsisRoom : 0, x});
            out.ellipsis = true;
            return out;
        }
        const size_t end = breakPoint(rest, fit);
        out.lines.push_back({pos, end, x});
        pos += end;
    }
}

std::vector<WrappedLine> wrapEditLine(std::u16string_view text, const PlatformFont& font,
                                      int32_t width) {
    std::vector<WrappedLine> lines;
    size_t pos = 0;
    for (;;) {
        const std::u16string_view rest = text.substr(pos);
        const size_t fit = fittingCharacters(rest, font, width);
        if (fit >= rest.size()) {
            lines.push_back({pos, rest.size(), 0});
            return lines;
        }
        const size_t end = breakPoint(rest, fit);
        lines.push_back({pos, end, 0});
        pos += end;
    }
}

int drawWrapped(PlatformSurface* surface, int32_t left, int32_t top, std::u16string_view text,
                const PlatformFont& font, PlatformColour colour, int32_t width, int maxLines,
                bool oneLine, int rowLimit) {
    const WrappedText wrapped = wrapText(text, font, width, maxLines, oneLine);
    const int count = int(wrapped.lines.size());
    for (int i = 0; i < count && i < rowLimit; ++i) {
        const WrappedLine& line = wrapped.lines[size_t(i)];
        drawTextPart(surface, left + line.x, top + kRowHeight * i,
                     text.substr(line.start, line.length), font, colour);
    }
    if (wrapped.ellipsis && count <= rowLimit)
        drawTextPart(surface, left + width - kWrapIndent, top + kRowHeight * (count - 1),
                     kEllipsis, font, colour);
    return count;
}

}  // namespace shell
