// Key insertion: every key that produces text ends here with its 32-bit key
// code (character + page x 65536). Pages 0 and 1 are the main program's own
// keys, pages 2 to 4 go to the current keypad library's MapKeyboard; in the
// RPN display the keys compose expressions from the RPN stack instead.
#ifndef ORVANA_ENGINE_KEY_INSERTION_H
#define ORVANA_ENGINE_KEY_INSERTION_H

#include <cstdint>

#include "engine/key_host.h"

namespace engine {

inline constexpr char16_t kEnterKey = 13;
inline constexpr char16_t kBackspaceKey = 8;

// Inserts one key. The selection collapses to its end first, so text goes
// in after the highlighted token; highlighting the token left of the caret
// afterwards is the caller's.
void insertKey(KeyHost& host, uint32_t keyCode);

// The RPN Mode command: toggles RPN mode; switching it on turns the RPN
// display on (while the last block is active) and resets the two RPN entry
// values Workspace files store; switching it off turns the display off.
void toggleRpnMode(KeyHost& host);

}  // namespace engine

#endif
