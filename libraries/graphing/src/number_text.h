// The texts of "text": a number in the default form, or in a printf-style
// format the user gives.
#ifndef ORVANA_GRAPHING_NUMBER_TEXT_H
#define ORVANA_GRAPHING_NUMBER_TEXT_H

#include <string>
#include <string_view>

#include "graphing_codes.h"

namespace graphing {

// A user's text is cut to this many units.
inline constexpr size_t kFormattedTextUnits = 29;

// Four significant digits with the trailing zeros kept ("%#0.4G"); a value
// with an imaginary part gets it signed and followed by "i".
std::u16string defaultNumberText(double re, double im);

// The value in the user's format, cut to kFormattedTextUnits. The format
// may hold any text around exactly one numeric conversion ("%" flags,
// width, precision, an optional "l" or "L", and one of e E f F g G a A for
// the value itself or d i o u x X for the value truncated to a whole
// number); "%%" stands for "%". Anything else, such as a string or pointer
// conversion, a second conversion, a "*" width or a width or precision over
// 99, is refused with 14 rather than handed to the C library; so is a
// whole-number conversion of a value that has no whole-number form.
Status formatNumber(std::u16string_view format, double value, std::u16string& out);

}  // namespace graphing

#endif
