// The Scientific library's operator codes: class in bits 0-3, parameter
// count in bits 4-7, identity in bits 8-15 (see keypad.h).
#ifndef ORVANA_SCIENTIFIC_CODES_H
#define ORVANA_SCIENTIFIC_CODES_H

#include "keypad.h"
#include "platform/status.h"

namespace scientific {

inline constexpr OperatorCode kPi = 0x0100;
inline constexpr OperatorCode kAsin = 0x0115;
inline constexpr OperatorCode kAcos = 0x0215;
inline constexpr OperatorCode kAtan = 0x0315;
inline constexpr OperatorCode kSin = 0x0415;
inline constexpr OperatorCode kCos = 0x0515;
inline constexpr OperatorCode kTan = 0x0615;
inline constexpr OperatorCode kAsinh = 0x0715;
inline constexpr OperatorCode kAcosh = 0x0815;
inline constexpr OperatorCode kAtanh = 0x0915;
inline constexpr OperatorCode kSinh = 0x0A15;
inline constexpr OperatorCode kCosh = 0x0B15;
inline constexpr OperatorCode kTanh = 0x0C15;
inline constexpr OperatorCode kDeg = 0x0D15;
inline constexpr OperatorCode kRad = 0x0E15;
inline constexpr OperatorCode kSqrt = 0x0F15;
inline constexpr OperatorCode kNrt = 0x0F25;
inline constexpr OperatorCode kLog = 0x1015;
inline constexpr OperatorCode kLn = 0x1115;
inline constexpr OperatorCode kExp = 0x1215;
inline constexpr OperatorCode kRect = 0x1325;
inline constexpr OperatorCode kPolar = 0x1425;
inline constexpr OperatorCode kConj = 0x1515;
inline constexpr OperatorCode kAtanyx = 0x1525;
inline constexpr OperatorCode kAbs = 0x1615;
inline constexpr OperatorCode kArg = 0x1715;
inline constexpr OperatorCode kPower = 0x0103;
inline constexpr OperatorCode kPolarEntry = 0x0203;  // "@"
inline constexpr OperatorCode kSquare = 0x0104;
inline constexpr OperatorCode kCube = 0x0204;

// Error codes of the main program's table that this library returns.
using namespace orvana;

// What performs an operator on the value stack (scientific_operation.cpp).
using Operation = int32_t (*)(OperatorCode op, Matrix* stack, int16_t* top, bool elementwise,
                              bool degrees);
int32_t pushPi(OperatorCode op, Matrix* stack, int16_t* top, bool elementwise, bool degrees);
// A one-parameter function of the elementary set (elementary_functions.h).
int32_t elementaryOnTop(OperatorCode op, Matrix* stack, int16_t* top, bool elementwise,
                        bool degrees);
// conj, abs, arg: every element whatever the flag.
int32_t wholeTop(OperatorCode op, Matrix* stack, int16_t* top, bool elementwise, bool degrees);
// ^, @, nrt.
int32_t topTwo(OperatorCode op, Matrix* stack, int16_t* top, bool elementwise, bool degrees);
// rect, polar.
int32_t coordinatesOfTop(OperatorCode op, Matrix* stack, int16_t* top, bool elementwise,
                         bool degrees);
int32_t arcTangentOfTop(OperatorCode op, Matrix* stack, int16_t* top, bool elementwise,
                        bool degrees);
// The square and the cube.
int32_t smallPowerOfTop(OperatorCode op, Matrix* stack, int16_t* top, bool elementwise,
                        bool degrees);

// The function of an operator code; null for a code the library does not
// have (scientific_names.cpp).
Operation operationFor(OperatorCode op);

}  // namespace scientific

#endif
