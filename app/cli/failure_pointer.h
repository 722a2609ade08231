// Pointing at what went wrong in the line just run at the prompt.
#ifndef ORVANA_CLI_FAILURE_POINTER_H
#define ORVANA_CLI_FAILURE_POINTER_H

#include <cstddef>
#include <string>

#include "engine/equation_block.h"

namespace cli {

// A caret under the token the compiler stopped at, for a block whose text
// did not compile, when the compiler knows the place; the line it stands
// under begins after a prompt of promptWidth columns. Empty otherwise.
std::string caretUnderFailure(const engine::EquationBlock& block, size_t promptWidth);

// "  in Workspace NAME, block N: TEXT" when the line failed inside a called
// Workspace; empty otherwise.
std::string calledWorkspaceFailure();

}  // namespace cli

#endif
