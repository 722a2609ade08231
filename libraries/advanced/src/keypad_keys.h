// The keys of the Advanced keypad: one table gives what each key inserts on
// pages 2, 3 and 4 and the label the legend shows for it.
#ifndef ORVANA_ADVANCED_KEYPAD_KEYS_H
#define ORVANA_ADVANCED_KEYPAD_KEYS_H

#include <cstdint>

#include "keypad_support/key_table.h"

namespace advanced {

// Keys that do more than insert a text at the caret.
enum class KeyEdit : uint8_t {
    Insert,             // the table's text and caret rule
    PrefixElementwise,  // "V:" in front of the whole text, the caret kept
    CaretLeft,          // the caret one position to the left
};

keypad_support::KeyTable keyTable();

// The key code with every page beyond 3 read as page 4: the library's last
// page stands for any other page.
uint32_t normalisedKeyCode(uint32_t keyCode);

KeyEdit keyEdit(uint32_t normalisedCode);

}  // namespace advanced

#endif
