// The help text of a key: from the text the key inserts, the name it stands
// for, the operator that name resolves to, and that operator's help string
// in the string table of its owner (the main program or a keypad library).
// A script's help is the note stored in its Workspace file.
#ifndef ORVANA_ENGINE_KEY_HELP_H
#define ORVANA_ENGINE_KEY_HELP_H

#include <cstdint>
#include <string>
#include <string_view>

#include "keypad.h"

namespace engine {

// Help strings hold at most this many characters.
inline constexpr size_t kKeyHelpLimit = 255;
// Composed key texts are read up to this many characters.
inline constexpr size_t kKeyTextLimit = 99;

struct KeyHelp {
    std::u16string name;     // what the key's text names
    uint32_t code = 0;       // the routed operator code found for it, 0 for none
    std::u16string text;     // the help text; the name itself when there is none
    std::u16string caption;  // the name followed by " Help"
};

// The name a key's inserted text stands for: the text up to its first "(",
// then up to its last "_"; when an "_" is still left, what follows the first
// one ("_AND_" names AND).
std::u16string keyName(std::u16string_view insertedText);

// The help of a key whose composition gave `insertedText`. Help strings of
// the main program's own operators come from `mainProgram`'s string table
// (null: the main program has none to offer).
KeyHelp keyHelp(std::u16string_view insertedText, PlatformModule* mainProgram);

// The text a keypad library's key inserts, composed in a hidden edit control
// of its own, without touching any other.
std::u16string composeLibraryKey(const KeypadLibrary& library, uint32_t keyCode);

// The information box of a key's help, captioned with the name and " Help".
void showKeyHelp(const KeyHelp& help, PlatformWindow owner);

}  // namespace engine

#endif
