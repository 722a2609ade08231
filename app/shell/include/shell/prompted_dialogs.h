// The dialogs run through the platform's message boxes, prompts and lists
// instead of views of their own: what the window's key mode installs (its
// answers come from the answer list) and what scripted tests drive.
#ifndef ORVANA_SHELL_PROMPTED_DIALOGS_H
#define ORVANA_SHELL_PROMPTED_DIALOGS_H

#include "shell/dialogs.h"
#include "shell/variables_dialog.h"

namespace shell {

ShellDialogs promptedDialogs();

// The Variables/Scripts dialog as a list, with "NEW" going on to the New
// Variable prompt: its result then carries the new variable's name (an
// empty name when that was cancelled).
VariablesResult chooseVariableByPrompts(ShellState& state);
// The answer viewer on a variable's value, as a message box "Var".
void viewVariableByPrompts(ShellState& state, std::u16string_view name);

}  // namespace shell

#endif
