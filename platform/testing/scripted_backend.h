// A backend for tests: it answers from a queue and records every call, so that
// message box paths can be checked without a display. Installing one replaces
// the backend in force until the object is destroyed.
#ifndef ORVANA_PLATFORM_SCRIPTED_BACKEND_H
#define ORVANA_PLATFORM_SCRIPTED_BACKEND_H

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "platform/backend.h"

namespace orvana::testing {

struct PopupMenuCall {
    PlatformWindow owner;
    std::vector<std::u16string> items;
    int32_t x;
    int32_t y;
};

struct MessageBoxCall {
    PlatformWindow owner;
    std::u16string text;
    std::u16string caption;
    uint32_t style;
};

class ScriptedBackend {
public:
    ScriptedBackend();
    ~ScriptedBackend();
    ScriptedBackend(const ScriptedBackend&) = delete;
    ScriptedBackend& operator=(const ScriptedBackend&) = delete;

    // The next message box answers with this button; with an empty queue a box
    // answers its default button.
    void queueMessageBoxAnswer(int answer) { answers_.push_back(answer); }

    const std::vector<MessageBoxCall>& messageBoxes() const { return messageBoxes_; }

    // The next pop-up menu chooses this item (-1 dismisses it); with an empty
    // queue a menu is dismissed.
    void queuePopupMenuChoice(int32_t item) { choices_.push_back(item); }
    const std::vector<PopupMenuCall>& popupMenus() const { return popupMenus_; }

    // The pointer-pressed state the backend reports; with pressAtPoll n > 0
    // the pointer counts as pressed from the n-th poll on.
    void setPointerPressed(bool down) { pointerDown_ = down; }
    void pressPointerAtPoll(int n) { pressAtPoll_ = n; }
    int pointerPolls() const { return pointerPolls_; }
    // Every wait-cursor change, in order (true shown).
    const std::vector<bool>& waitCursorChanges() const { return waitCursor_; }

    void clear() {
        messageBoxes_.clear();
        popupMenus_.clear();
    }

private:
    static int messageBox(void* context, PlatformWindow owner, const char16_t* text,
                          const char16_t* caption, uint32_t style);
    static int32_t popupMenu(void* context, PlatformWindow owner, const char16_t* const* items,
                             int32_t count, int32_t x, int32_t y);
    static int pointerPressed(void* context);
    static void setWaitCursor(void* context, int shown);

    PlatformBackend table_;
    const PlatformBackend* previous_;
    std::deque<int> answers_;
    std::vector<MessageBoxCall> messageBoxes_;
    std::deque<int32_t> choices_;
    std::vector<PopupMenuCall> popupMenus_;
    bool pointerDown_ = false;
    int pressAtPoll_ = 0;
    int pointerPolls_ = 0;
    std::vector<bool> waitCursor_;
};

}  // namespace orvana::testing

#endif
