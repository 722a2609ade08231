// Building the infix token sequence of a line, with every decision that
// depends on context: implicit multiplication, unary signs, argument
// counting, matrix literals, indexing and the assignment target.
#ifndef ORVANA_ENGINE_TOKEN_PASS_H
#define ORVANA_ENGINE_TOKEN_PASS_H

#include <string_view>

#include "engine/status.h"
#include "infix_tokens.h"
#include "line_rewrite.h"

namespace engine {

// At most this many parentheses, brackets and braces open at once.
constexpr size_t kNestingLimit = 40;

// Tokens of a rewritten ordinary line, ended by two end tokens. On failure
// *failedAt (when given) is the index in the rewritten text of the token that
// failed, or the text's length when the line ended too early.
Status tokenPass(const RewrittenLine& line, InfixTokens& out, size_t* failedAt = nullptr);

// Tokens of a library-text line 'S:text': the library's extern name called
// with the text, each "ANS" in it spliced in as an earlier answer's text.
Status libraryTextTokens(char16_t letter, std::u16string_view text, InfixTokens& out);

}  // namespace engine

#endif
