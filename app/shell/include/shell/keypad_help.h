// Help mode: a key shows what it does instead of inserting it. The key's
// text is composed off-screen with the RPN display off, the name it stands
// for is looked up, and the help string of its owner (or a script's note) is
// shown in an information box captioned with the name and " Help".
#ifndef ORVANA_SHELL_KEYPAD_HELP_H
#define ORVANA_SHELL_KEYPAD_HELP_H

#include <cstdint>
#include <functional>
#include <optional>

#include "engine/key_help.h"
#include "platform/message_box.h"

namespace shell {

// Puts the text key `keyCode` inserts into `target`, an empty edit model, as
// the key path does with the RPN display off. The key-insertion code
// provides it; without one, page 0 keys give their character and pages 2 to
// 4 the current library's text.
using KeyComposer = std::function<void(uint32_t keyCode, PlatformWindow target)>;

struct KeyHelpRequest {
    uint32_t keyCode = 0;            // character + page x 65536
    bool graphShown = false;         // help is not offered over the graph
    int16_t currentLibrary = -1;     // for pages 2 to 4
    PlatformWindow composition = nullptr;  // the hidden composition control
    PlatformWindow owner = nullptr;        // the box's owner
    PlatformModule* mainProgram = nullptr;  // holds the main program's help strings
};

// Shows the help of a key. `rpnDisplay` is off while the key is composed and
// restored afterwards. Returns the help shown, or nothing over the graph.
std::optional<engine::KeyHelp> showKeyHelpFor(const KeyHelpRequest& request, bool& rpnDisplay,
                                              const KeyComposer& composer = {});

}  // namespace shell

#endif
