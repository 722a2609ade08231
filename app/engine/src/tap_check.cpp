#include "tap_check.h"

#include <string>

#include "platform/message_box.h"
#include "platform/pointer_state.h"
#include "wait_cursor.h"

namespace engine {

bool TapCheck::pressed(int line) {
    if (!platformPointerPressed()) return false;
    abortScript();
    removeWaitCursor();
    std::u16string text;
    if (workspace_.empty()) {
        text.append(u"Script");
    } else {
        text.append(u"\"").append(workspace_).append(u"\"");
    }
    const std::string number = std::to_string(line);
    text.append(u" aborted on line ").append(std::u16string(number.begin(), number.end()));
    text.append(u" because the screen was tapped");
    platformMessageBox(nullptr, text.c_str(), u"Orvana", PLATFORM_MB_OK);
    return true;
}

}  // namespace engine
