// A code list as text, one word per token, in postfix order: 'x 2 round',
// '1 2 3 4 2 4 {', '2 3 2 a[]', ': 4 7 range 2 a[]', '3 4 + 1 =:a',
// 'x IF:3'. For tests and debugging.
#ifndef ORVANA_ENGINE_DISASSEMBLER_H
#define ORVANA_ENGINE_DISASSEMBLER_H

#include <string>

#include "keypad.h"

namespace engine {

// Numbers in their shortest exact form, variables by name, strings quoted,
// built-in operators by their mnemonic (code_list.h), user functions by name,
// Workspace calls as 'call:Name', library tokens as 'lib<n>:0x<code>'; an
// assignment names its variable and a control keyword its jump target after
// a colon.
std::string disassemble(const Token* list);

}  // namespace engine

#endif
