// ASK's dialogs, owned by the program's main window and shown with the wait
// cursor taken away: a message or a yes/no question, or up to three prompt
// lines each over an edit line.
#ifndef ORVANA_SCRIPTING_ASK_DIALOG_H
#define ORVANA_SCRIPTING_ASK_DIALOG_H

#include <cstdint>
#include <string>

namespace scripting {

inline constexpr int kAskLines = 3;

struct AskPrompt {
    int lines = 0;  // 1 to 3
    std::u16string prompts[kAskLines];
    // The edit lines' texts: prefilled before, as entered after OK.
    std::u16string values[kAskLines];
};

// Shows the text; a text ending in "?" is a question answered yes (1) or
// no (0), anything else a message acknowledged with 1.
int32_t showAskMessage(const std::u16string& text);

// Shows the prompt lines over their edit lines; 1 for OK, 0 for Cancel
// (the values then stay as they were).
int32_t showAskPrompt(AskPrompt& prompt);

}  // namespace scripting

#endif
