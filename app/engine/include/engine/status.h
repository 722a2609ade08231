// Status codes the expression front end returns (0 is success). Their
// messages are in the main program's string table under the same numbers.
#ifndef ORVANA_ENGINE_STATUS_H
#define ORVANA_ENGINE_STATUS_H

#include <cstdint>

namespace engine {

using Status = uint16_t;

constexpr Status kOk = 0;
constexpr Status kUnrecognizedSymbol = 1;
constexpr Status kMissingEndOfQuote = 2;
constexpr Status kSyntaxError = 4;
constexpr Status kMissingParenthesis = 5;
constexpr Status kWrongParameterCount = 6;
// Also the answer for a line that exceeds any of the parser's fixed
// capacities (characters, tokens, nesting depth) or memory.
constexpr Status kEquationTooLong = 7;
constexpr Status kCommentLine = 63;

}  // namespace engine

#endif
