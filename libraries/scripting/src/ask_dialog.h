// ASK's modal dialog: up to three prompt lines, each over an edit line, with
// the soft keys OK and Cancel, owned by the program's main window.
#ifndef ORVANA_SCRIPTING_ASK_DIALOG_H
#define ORVANA_SCRIPTING_ASK_DIALOG_H

#include <cstdint>
#include <string>

namespace scripting {

inline constexpr int kAskLines = 3;

struct AskDialog {
    // Prompt lines in use: 1 to 3. With `message` set there is one line, as
    // wide as the dialog, and no edit lines.
    int lines = 0;
    bool message = false;
    std::u16string prompts[kAskLines];
    // The edit lines' texts: prefilled before, as entered after.
    std::u16string values[kAskLines];
};

// Shows the dialog with the wait cursor removed and restores the cursor
// afterwards. 1 for OK, 0 for Cancel (and the Back key).
int32_t showAskDialog(AskDialog& dialog);

}  // namespace scripting

#endif
