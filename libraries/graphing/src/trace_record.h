// Filling one of the graph view's curve records with a trace of points at
// their own x values: its arrays, style, label and ranges.
#ifndef ORVANA_GRAPHING_TRACE_RECORD_H
#define ORVANA_GRAPHING_TRACE_RECORD_H

#include <cstdint>
#include <string_view>

#include "keypad.h"
#include "lmc_options.h"

namespace graphing {

// A trace label holds at most this many units.
inline constexpr size_t kLabelUnits = KEYPAD_CURVE_LABEL_UNITS - 1;

// The record with the index *traceCount, or null when the table is full.
KeypadCurve* nextTrace(KeypadCurve* curves, const int16_t* traceCount);

// Makes the x and y arrays hold at least n points, replacing them (and the
// capacity) only when they are too small; the auxiliary and pen-byte
// arrays go. False on exhausted memory, the record then holds no arrays.
bool reserveXY(KeypadCurve& c, int n);
// As reserveXY, and a pen-byte array of the same capacity.
bool reserveWithPens(KeypadCurve& c, int n);

// Starts a trace of points at their own x values: the style given, no
// label, no request to fit the range.
void beginTrace(KeypadCurve& c, TraceStyle style);
TraceStyle styleOf(const KeypadCurve& c);
void setStyle(KeypadCurve& c, TraceStyle style);
// Copies the text, cut to kLabelUnits, as the trace's label.
void setLabel(KeypadCurve& c, std::u16string_view text);

// The ranges of the first n points: the smallest and largest x and y (gap
// markers left out), each widened by a tenth of its span at both ends.
// Without points the sentinels 1e300 and -1e300 go through the same rule.
void setWidenedRanges(KeypadCurve& c, int n);

bool isGap(double y);

// Takes the filled record into use.
void finishTrace(KeypadCurve& c, int n, int16_t* traceCount);

}  // namespace graphing

#endif
