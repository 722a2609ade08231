// Reading the LMC option letters.
#include "lmc_options.h"

namespace graphing {
namespace {

struct Letter {
    char16_t letter;
    int16_t value;
};

constexpr Letter kMarks[] = {{u'x', 1}, {u'o', 2}, {u'#', 3}, {u'.', 4}};
constexpr Letter kColours[] = {{u'r', 1}, {u'g', 2}, {u'w', 3}, {u'b', 4},
                               {u'p', 5}, {u't', 6}, {u'y', 7}, {u'k', 8}};

bool contains(std::u16string_view text, char16_t c) {
    return text.find(c) != std::u16string_view::npos;
}

// The value of the last letter of the list that occurs in the text, or
// fallback when none does.
template <size_t N>
int16_t lastFound(std::u16string_view text, const Letter (&letters)[N], int16_t fallback) {
    int16_t value = fallback;
    for (const Letter& l : letters)
        if (contains(text, l.letter)) value = l.value;
    return value;
}

}  // namespace

TraceStyle applyOptions(std::u16string_view options, TraceStyle style) {
    const bool line = contains(options, u'-');
    const int16_t mark = lastFound(options, kMarks, 0);
    if (line || mark != 0) {
        style.lineFlag = line ? 1 : 0;
        style.markStyle = mark;
    }
    style.colour = applyColourOptions(options, style.colour);
    return style;
}

int16_t applyColourOptions(std::u16string_view options, int16_t colour) {
    return lastFound(options, kColours, colour);
}

}  // namespace graphing
