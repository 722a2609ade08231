// The LMC option letters of plot, line, drawgraph, polarplot, label and
// title: a line, a mark style and a colour for a trace.
#ifndef ORVANA_GRAPHING_LMC_OPTIONS_H
#define ORVANA_GRAPHING_LMC_OPTIONS_H

#include <cstdint>
#include <string_view>

namespace graphing {

struct TraceStyle {
    int16_t lineFlag;
    int16_t markStyle;
    int16_t colour;
};

// Each letter is looked for anywhere in the text, in a fixed order, a later
// find winning over an earlier one: "-" line; "x" 1, "o" 2, "#" 3 (square),
// "." 4 marks; "r" 1, "g" 2, "w" 3, "b" 4, "p" 5, "t" 6, "y" 7, "k" 8
// colours. Without "-" and without a mark letter the line and the mark stay
// as they were; without a colour letter the colour stays.
TraceStyle applyOptions(std::u16string_view options, TraceStyle style);

// Only the colour letters, for texts placed on the graph.
int16_t applyColourOptions(std::u16string_view options, int16_t colour);

}  // namespace graphing

#endif
