// The interactive session on a terminal: a banner, a prompt with line
// editing and a history kept between sessions, the prompt commands, each
// line's answer as soon as it is computed; Ctrl-C clears the line at the
// prompt and stops an evaluation. At the end (end of input or :quit) the
// Workspace is saved to the --save file and the --curves are written.
#ifndef ORVANA_CLI_INTERACTIVE_SESSION_H
#define ORVANA_CLI_INTERACTIVE_SESSION_H

#include <optional>
#include <string>

#include "cli_options.h"
#include "session.h"

namespace cli {

// `workspaceFile` is the Workspace the session began with, if any: `:save`
// without a name writes there unless --save names another file. Returns the
// exit status.
int runInteractive(Session& session, const Options& options,
                   const std::optional<std::string>& workspaceFile);

// The history file: $XDG_STATE_HOME/orvana/history, or
// ~/.local/state/orvana/history; empty when neither can be made out.
std::string historyPath();

}  // namespace cli

#endif
