// The scripting library's operator codes: class in bits 0-3, parameter count
// in bits 4-7, identity in bits 8-15 (see keypad.h), and the main program's
// error codes it answers with.
#ifndef ORVANA_SCRIPTING_CODES_H
#define ORVANA_SCRIPTING_CODES_H

#include <cstdint>

#include "keypad.h"
#include "platform/status.h"

namespace scripting {

// Comparisons, written "_LT_" and so on: infix at the level of "+".
inline constexpr OperatorCode kLessThan = 0x0101;
inline constexpr OperatorCode kGreaterThan = 0x0201;
inline constexpr OperatorCode kEqual = 0x0301;
inline constexpr OperatorCode kLessOrEqual = 0x0401;
inline constexpr OperatorCode kGreaterOrEqual = 0x0501;
inline constexpr OperatorCode kNotEqual = 0x0601;

inline constexpr OperatorCode kMod = 0x0125;
inline constexpr OperatorCode kFrac = 0x0215;
inline constexpr OperatorCode kInt = 0x0315;
inline constexpr OperatorCode kSign = 0x0415;
inline constexpr OperatorCode kAsk = 0x04F5;
inline constexpr OperatorCode kIsvar = 0x0515;
inline constexpr OperatorCode kAngle = 0x0615;
// The named value EPS.
inline constexpr OperatorCode kEps = 0x0200;

// Error codes of the main program's table that this library returns.
using namespace orvana;

// The machine epsilon of doubles, 2^-52: the distance from 1 to the next
// larger double.
inline constexpr double kEpsilon = 2.220446049250313e-16;

}  // namespace scripting

#endif
