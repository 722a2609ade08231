// Number display: the format string built from a display format code, the
// text of one complex number in that format, and the plain text of a value.
//
// A format code is 16 bits: the kind in the high byte (0 Floating, 1
// Scientific, 2 Engineering, 3 Fractions, 4 Hexadecimal, 5 Fixed; higher
// kinds show as Floating) and the digits in the low byte (0 = Auto; for
// Fractions the binary exponent of the tolerance).
//
// The format string has eight characters, '% #0.dd' and a conversion
// character (G, E, K, Y, X or f): position 1 is the sign flag, 5 and 6 the
// precision, 7 the conversion. A precision of '00' means Auto.
//
// Output is the same on every C library: exponents always carry a sign and
// three digits.
#ifndef ORVANA_ENGINE_DISPLAY_FORMAT_H
#define ORVANA_ENGINE_DISPLAY_FORMAT_H

#include <cstddef>
#include <cstdint>
#include <string>

#include "lattix.h"

namespace engine {

inline constexpr uint16_t kDefaultFormatCode = 0x0005;  // Floating, 5 digits
inline constexpr size_t kFormatLength = 8;

// Builds the format string of a format code into the program's one format
// buffer and returns it (0-terminated, kFormatLength characters).
const char16_t* buildFormat(uint16_t formatCode);

// The format string of a format code, without touching the shared buffer.
std::u16string formatStringFor(uint16_t formatCode);

// The text of re + im i. `degrees` is the angle mode of the value's block;
// `polar` shows complex values as magnitude and angle.
std::u16string formatNumber(double re, double im, const char16_t* format, bool degrees,
                            bool polar);

// Plain text of a value, for turning an answer into a string: a string's own
// text (without one leading space, at most limit - 1 characters), a matrix as
// '{1,2|3,4}' (rows stop once the text passes limit + 20 characters), a
// number as '%G' or '%G%+Gi'. No value gives the empty text.
std::u16string valueToText(const Matrix* value, size_t limit);

}  // namespace engine

#endif
