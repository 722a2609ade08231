// Error codes turned into text. A code's low byte is the message id, its high
// byte the library number (0 = the main program). Ids below 100 name the main
// program's messages whatever the library number; 100 to 255 name a string in
// the table of the library given by the high byte.
#ifndef ORVANA_ENGINE_MESSAGES_H
#define ORVANA_ENGINE_MESSAGES_H

#include <cstdint>
#include <string>

#include "platform/message_box.h"

namespace engine {

inline constexpr size_t kMessageLimit = 49;

// The message of a code: at most 49 characters; "Unknown error" for a main
// program id without a message, "Unknown library error" for a library id the
// library does not know (or no library with that number).
std::u16string messageText(uint16_t code);

// The main program's own message with this id, or null.
const char16_t* mainMessage(uint16_t id);

// A modal box with the code's message, captioned "Error", exclamation icon,
// OK button.
void showError(uint16_t code, PlatformWindow owner);

}  // namespace engine

#endif
