// RPN composition: an operator key in the RPN display writes a new expression
// from the texts of its operands (the edit line and the entries above it),
// parenthesised where precedence requires, and stores it with its answer.
#ifndef ORVANA_ENGINE_RPN_COMPOSITION_H
#define ORVANA_ENGINE_RPN_COMPOSITION_H

#include <string_view>

#include "engine/key_host.h"

namespace engine {

// One RPN operation, given the text the key would insert: a function name
// ("sin()"), an operator character, "{", a prefix such as "V:", a line feed
// (negate the top entry) and so on. The undo record is filled before
// anything changes. Does nothing unless the last block is the active one.
void composeRpn(KeyHost& host, std::u16string_view keyText);

// The precedence of an expression text: the class of the last code of its
// code list (1 additive, 2 multiplicative, 3 power, 4 postfix, 5 function),
// or 50 for an operand or a text that does not compile.
int textPrecedence(std::u16string_view text);

}  // namespace engine

#endif
