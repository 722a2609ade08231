// ASK's dialogs through the platform's message box and prompt dialog.
#include "ask_dialog.h"

#include <vector>

#include "platform/dialogs.h"
#include "platform/pointer_state.h"
#include "platform/shell_services.h"

namespace scripting {
namespace {

// The main window is found by its class and title.
constexpr const char16_t* kMainWindowClass = u"ZebOrvanaCLS";
constexpr const char16_t* kMainWindowTitle = u"Orvana";
constexpr const char16_t* kCaption = u"Orvana";
// An entry may fill a whole expression line.
constexpr int32_t kEntryUnits = 100;

// Takes the wait cursor away for the life of a dialog and puts back what it
// found.
class CursorAway {
  public:
    CursorAway() : shown_(platformWaitCursorShown() != 0) {
        if (shown_) platformSetWaitCursor(0);
    }
    ~CursorAway() {
        if (shown_) platformSetWaitCursor(1);
    }
    CursorAway(const CursorAway&) = delete;
    CursorAway& operator=(const CursorAway&) = delete;

  private:
    bool shown_;
};

PlatformWindow mainWindow() {
    return platformFindWindow(kMainWindowClass, kMainWindowTitle);
}

}  // namespace

int32_t showAskMessage(const std::u16string& text) {
    const CursorAway cursor;
    // A question left unanswered (no one at the screen) counts as no.
    if (!text.empty() && text.back() == u'?')
        return platformMessageBox(mainWindow(), text.c_str(), kCaption,
                                  PLATFORM_MB_YESNO | PLATFORM_MB_DEFBUTTON2) == PLATFORM_IDYES
                   ? 1
                   : 0;
    platformMessageBox(mainWindow(), text.c_str(), kCaption,
                       PLATFORM_MB_OK | PLATFORM_MB_ICONINFORMATION);
    return 1;
}

int32_t showAskPrompt(AskPrompt& prompt) {
    std::vector<char16_t> buffers[kAskLines];
    PlatformPromptField fields[kAskLines];
    const int lines = prompt.lines < 1 ? 1 : prompt.lines > kAskLines ? kAskLines : prompt.lines;
    for (int i = 0; i < lines; ++i) {
        buffers[i].assign(size_t(kEntryUnits), 0);
        prompt.values[i].copy(buffers[i].data(), size_t(kEntryUnits - 1));
        fields[i] = {prompt.prompts[i].c_str(), buffers[i].data(), kEntryUnits};
    }
    int ok = 0;
    {
        const CursorAway cursor;
        ok = platformPromptDialog(mainWindow(), kCaption, fields, lines);
    }
    if (ok != 0)
        for (int i = 0; i < lines; ++i) prompt.values[i] = buffers[i].data();
    return ok != 0 ? 1 : 0;
}

}  // namespace scripting
