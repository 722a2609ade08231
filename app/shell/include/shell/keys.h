// Keys reaching the main window: key-up messages (arrows, F8, F9), typed
// characters with the keypad page, and the hardware keys delivered as hot
// keys (Back, Volume Up, Volume Down, Record) with their debounce.
#ifndef ORVANA_SHELL_KEYS_H
#define ORVANA_SHELL_KEYS_H

#include <cstdint>

#include "shell/shell_state.h"

namespace shell {

// Virtual keys.
enum VirtualKey : int {
    kKeyBack = 27,
    kKeyLeft = 37,
    kKeyUp = 38,
    kKeyRight = 39,
    kKeyDown = 40,
    kKeyVolumeUp = 117,    // F6
    kKeyVolumeDown = 118,  // F7
    kKeyF8 = 119,          // the '.' key of the current page
    kKeyF9 = 120,          // the next keypad page
    kKeyRecord = 121,      // F10
};

inline constexpr uint32_t kPageShift = 16;  // key code = character + page x 65536

// A key-up message.
void onKeyUp(ShellState& state, int key);
// A character message: the key code is the character with the page.
void onCharacter(ShellState& state, char16_t character);
// A hot-key message. Returns false when the debounce ignored it.
bool onHotKey(ShellState& state, int key);

// Passes a key code on: its help in help mode, else into the edit line; then
// back to page 0, hiding the keypad in full screen.
void passKey(ShellState& state, uint32_t keyCode);

}  // namespace shell

#endif
