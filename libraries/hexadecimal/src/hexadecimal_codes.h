// The Hexadecimal library's operator codes (see keypad.h for the layout)
// and the functions that perform them.
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

// What performs an operator on the value stack (bitwise_operation.cpp).
using Operation = int32_t (*)(OperatorCode op, Matrix* stack, int16_t* top, bool elementwise);
int32_t combineTopTwo(OperatorCode op, Matrix* stack, int16_t* top, bool elementwise);
int32_t complementTop(OperatorCode op, Matrix* stack, int16_t* top, bool elementwise);

// The function of an operator code; null for a code the library does not
// have (hexadecimal_names.cpp).
Operation operationFor(OperatorCode op);

}  // namespace hexadecimal

#endif
