// Text surgery on RPN stack entries: keeping ANS(n) references pointing at
// the same blocks when a text moves to another block, and splitting off an
// assignment prefix that a composition keeps in front of its result.
#ifndef ORVANA_ENGINE_RPN_TEXT_H
#define ORVANA_ENGINE_RPN_TEXT_H

#include <string>
#include <string_view>

#include "lattix.h"

namespace engine {

// Shifts the argument of every 'ANS(d)' and 'ANS(dd)' (digits followed by
// ")") by delta. A reference that comes to point at the block being merged
// (argument 0) is replaced by that block's answer in parentheses, "(%0.8G)"
// or "(%0.8G%+0.8Gi)", when `answer` is a number; the text is then cut at 99
// characters. Returns whether the text contains "ANS(".
bool renumberAns(std::u16string& text, int delta, const Matrix* answer);

// The text up to and including the first "=", or without one, up to and
// including "V:", and the rest after it. False (prefix empty, rest the whole
// text) when neither is present.
bool splitAssignment(std::u16string_view text, std::u16string& prefix, std::u16string& rest);

}  // namespace engine

#endif
