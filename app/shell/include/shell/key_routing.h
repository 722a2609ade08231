// Where a key code goes once the shell has formed it: into the expression
// line (key insertion), or, in help mode, to the key's help. Also the edit
// line's Back and the token cursor of the Left and Right keys.
#ifndef ORVANA_SHELL_KEY_ROUTING_H
#define ORVANA_SHELL_KEY_ROUTING_H

#include <cstdint>

#include "platform/module.h"
#include "shell/shell_state.h"

namespace shell {

// Key insertion of a key code (character + page x 65536): Enter, typing on
// page 0, the operator keys of page 1 and the current library's keys on pages
// 2 to 4, composing from the RPN stack in the RPN display; then the token left
// of the caret is highlighted.
void routeKey(ShellState& state, uint32_t keyCode);

// Shows the help of a key (nothing while the graph view is shown).
void showHelpOfKey(ShellState& state, uint32_t keyCode);

// The Back key on page 0: deletes the selection, or the character before the
// caret; then the token left of the caret is highlighted.
void eraseBeforeCaret(ShellState& state);

// Left and Right on page 0: the token cursor of the edit line.
void moveTokenCursor(ShellState& state, bool right);

// The running program as a module, serving the main program's help strings.
PlatformModule* mainProgramModule();

}  // namespace shell

#endif
