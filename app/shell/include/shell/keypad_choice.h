// Choosing the current keypad library: from the Library menu (7000 + n) and
// by moving the quick-select cursor with Left and Right on a library page.
#ifndef ORVANA_SHELL_KEYPAD_CHOICE_H
#define ORVANA_SHELL_KEYPAD_CHOICE_H

#include "shell/shell_state.h"

namespace shell {

// The number of loaded libraries.
int libraryCount();

// Library n (0-based) becomes the current one; a library in none of the
// quick-select slots 0 to 2 takes slot 3. In full screen the keypad shows
// page 1, over the lower half when the active block's top is above y 151,
// else at the top. An n outside the loaded libraries changes nothing.
void selectLibrary(ShellState& state, int n);

// Moves the quick-select cursor one filled slot among 0 to 3: Right to the
// slot before, Left to the slot after, wrapping; the library in that slot
// becomes the current one.
void moveQuickSelectCursor(ShellState& state, bool right);

// Shows the keypad in full screen over the half of the screen the active
// block does not use.
void showKeypadOverList(ShellState& state);

}  // namespace shell

#endif
