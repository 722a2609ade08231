// The Advanced library's operator codes and status codes.
#ifndef ORVANA_ADVANCED_CODES_H
#define ORVANA_ADVANCED_CODES_H

#include <cstdint>

#include "keypad.h"
#include "platform/status.h"

namespace advanced {

// Operator codes: class 5 (functions); parameter count 15 for the functions
// that take any number of arguments, 1 to 3 for size, ones and fill, and 0
// for rk, which reads its two entries itself.
constexpr OperatorCode kInteg = 0x01F5;
constexpr OperatorCode kRoots = 0x03F5;
constexpr OperatorCode kSolve = 0x06F5;
constexpr OperatorCode kDdt = 0x07F5;
constexpr OperatorCode kAugc = 0x08F5;
constexpr OperatorCode kSize = 0x0915;
constexpr OperatorCode kOnes = 0x0925;
constexpr OperatorCode kFill = 0x0935;
constexpr OperatorCode kAugr = 0x09F5;
constexpr OperatorCode kEig = 0x0AF5;
constexpr OperatorCode kAug = 0x0BF5;
constexpr OperatorCode kRk = 0x1205;
constexpr OperatorCode kLti = 0x14F5;

// Statuses doOperation returns: 0, one of the main program's messages (below
// 100) or one of this library's own (101 to 105).
using Status = int32_t;
using namespace orvana;
constexpr Status kNoBracket = 101;
constexpr Status kNoRoot = 102;
constexpr Status kTooManyIterations = 103;
constexpr Status kOrderTooHigh = 104;
constexpr Status kWrongInitialConditions = 105;

}  // namespace advanced

#endif
