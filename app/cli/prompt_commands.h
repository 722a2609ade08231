// The commands of the interactive prompt, all beginning with ':'.
#ifndef ORVANA_CLI_PROMPT_COMMANDS_H
#define ORVANA_CLI_PROMPT_COMMANDS_H

#include <optional>
#include <string>

#include "session.h"

namespace cli {

// The Workspace file of a session: where `:save` without a name writes.
struct SessionFile {
    std::optional<std::string> path;
};

enum class CommandOutcome { NotACommand, Done, Quit };

// Runs `line` when it is a prompt command (":quit", ":save [FILE]",
// ":help [NAME]", ":functions"); answers go to standard output, failures to
// standard error.
CommandOutcome runPromptCommand(const std::string& line, Session& session, SessionFile& file);

// The text of ":help" without a name: the commands and the keys.
const char* promptHelp();

}  // namespace cli

#endif
