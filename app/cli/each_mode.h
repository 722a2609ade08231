// --each: one answer per input line, printed as soon as it is computed, for
// pipelines. Nothing else is written to standard output; a failed line
// prints "Error: " and its message.
#ifndef ORVANA_CLI_EACH_MODE_H
#define ORVANA_CLI_EACH_MODE_H

#include <cstdio>
#include <string>
#include <vector>

#include "engine/equation_block.h"
#include "engine/text_export.h"
#include "session.h"

namespace cli {

// A block's answer on one line: a number as the display format shows it, a
// matrix as {a,b|c,d}, a string as its text, a failure as "Error: message";
// empty for a block without text or a comment.
std::string oneLineAnswer(const engine::EquationBlock& block, const engine::ExportOptions& options);

// Enters the `first` lines, then every line read from `in`, printing each
// answer. Returns the exit status: 0, or 130 when Ctrl-C stopped an
// evaluation (the rest of the input is then left unread).
int runEach(Session& session, const std::vector<std::u16string>& first, std::FILE* in);

}  // namespace cli

#endif
