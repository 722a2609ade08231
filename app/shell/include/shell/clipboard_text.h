// What Copy puts on the clipboard: the user's selection in the edit line, or
// else an answer as text the engine reads back at full precision ("{1,2|3,4}",
// "0.1+2*i", a string in quotes).
#ifndef ORVANA_SHELL_CLIPBOARD_TEXT_H
#define ORVANA_SHELL_CLIPBOARD_TEXT_H

#include <string>

#include "lattix.h"
#include "shell/shell_state.h"

namespace shell {

// A value as an expression that evaluates to the same value, every double
// with 17 significant digits; empty for an empty value.
std::u16string valueLiteral(const Matrix* value);

// The text of Copy: the edit line's selection when there is one, else the
// active block's answer, or the answer of the block above when the active
// one is the empty last block. Empty when there is nothing to copy.
std::u16string copyText(const ShellState& state, std::u16string_view selection);

}  // namespace shell

#endif
