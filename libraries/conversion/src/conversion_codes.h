// The Conversion library's operator codes (see keypad.h for the layout) and
// the main-program error codes it reports.
#ifndef ORVANA_CONVERSION_CODES_H
#define ORVANA_CONVERSION_CODES_H

#include "keypad.h"
#include "platform/status.h"

namespace conversion {

inline constexpr OperatorCode kConvert = 0x0301;  // ">", infix, level 1
inline constexpr OperatorCode kFahrenheitToCelsius = 0x0115;
inline constexpr OperatorCode kCelsiusToFahrenheit = 0x0215;
inline constexpr OperatorCode kNow = 0x2300;
inline constexpr OperatorCode kMonthDayYear = 0x2315;
inline constexpr OperatorCode kSerialDate = 0x2435;

using namespace orvana;

}  // namespace conversion

#endif
