// The Hexadecimal library's operator codes (see keypad.h for the layout).
#ifndef ORVANA_HEXADECIMAL_CODES_H
#define ORVANA_HEXADECIMAL_CODES_H

#include "keypad.h"
#include "platform/status.h"

namespace hexadecimal {

inline constexpr OperatorCode kAnd = 0x0101;
inline constexpr OperatorCode kOr = 0x0201;
inline constexpr OperatorCode kShiftRight = 0x0301;  // "»"
inline constexpr OperatorCode kShiftLeft = 0x0401;   // "«"
inline constexpr OperatorCode kXor = 0x0501;
inline constexpr OperatorCode kNot = 0x0105;

using namespace orvana;

}  // namespace hexadecimal

#endif
