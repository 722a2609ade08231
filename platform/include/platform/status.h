/* The status codes every module shares. A status is 16 bits: the low byte is
 * a message id, the high byte the number of the keypad library that reported
 * it (0 for the main program). Ids below 100 name the main program's
 * messages listed here (its string table holds their texts under the same
 * numbers); ids 100 to 255 are a library's own. 0 is success.
 *
 * C++ code finds the names in namespace orvana. */
#ifndef ORVANA_PLATFORM_STATUS_H
#define ORVANA_PLATFORM_STATUS_H

#ifdef __cplusplus
#include <cstdint>
/* 16-bit constants, so that they mix with any status variable. */
#define ORVANA_STATUS(name, value) inline constexpr uint16_t name = value;
namespace orvana {
#else
#define ORVANA_STATUS(name, value) enum { name = value };
#endif

ORVANA_STATUS(kOk, 0)
ORVANA_STATUS(kUnrecognizedSymbol, 1)
ORVANA_STATUS(kMissingEndOfQuote, 2)
ORVANA_STATUS(kInvalidEquationNumber, 3)
ORVANA_STATUS(kSyntaxError, 4)
ORVANA_STATUS(kMissingParenthesis, 5)
ORVANA_STATUS(kWrongParameterCount, 6)
/* Also a line past any of the parser's fixed capacities, or a text
 * longer than a block holds. */
ORVANA_STATUS(kEquationTooLong, 7)
ORVANA_STATUS(kRequiresString, 8)
ORVANA_STATUS(kIncompatibleDataTypes, 9)
ORVANA_STATUS(kDivideByZero, 10)
ORVANA_STATUS(kNotEnoughParameters, 11)
ORVANA_STATUS(kInvalidFunctionReference, 12)
ORVANA_STATUS(kStackOverflow, 13)
ORVANA_STATUS(kInvalidParameter, 14)
ORVANA_STATUS(kMissingControlStructure, 15)
ORVANA_STATUS(kOverflow, 16)
ORVANA_STATUS(kIncompatibleMatrices, 51)
ORVANA_STATUS(kDivisionByZero, 52)
ORVANA_STATUS(kMatrixSingular, 53)
ORVANA_STATUS(kDecompositionFailed, 54)
ORVANA_STATUS(kNotSupported, 55)
ORVANA_STATUS(kValueOutOfBounds, 56)
ORVANA_STATUS(kCantLoadScript, 57)
ORVANA_STATUS(kCantImportData, 58)
ORVANA_STATUS(kCantOpenFile, 59)
ORVANA_STATUS(kMatrixTooBig, 62)
/* A comment line: a status, not a failure. */
ORVANA_STATUS(kCommentLine, 63)
ORVANA_STATUS(kCantSaveWorkspace, 64)
/* An evaluation stopped by the user. */
ORVANA_STATUS(kInterrupted, 65)

#ifdef __cplusplus
}  /* namespace orvana */
#endif
#undef ORVANA_STATUS

#endif
