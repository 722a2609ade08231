// A backend for tests: it answers from queues and records every call, so that
// message boxes, menus and dialogs can be checked without a display.
// Installing one replaces the backend in force until the object is destroyed.
// Drawing is left to the headless backend.
#ifndef ORVANA_PLATFORM_SCRIPTED_BACKEND_H
#define ORVANA_PLATFORM_SCRIPTED_BACKEND_H

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/backend.h"

namespace orvana::testing {

struct PopupMenuCall {
    PlatformWindow owner;
    // The top-level items' texts (empty for a separator), in order.
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

struct PromptDialogCall {
    std::u16string caption;
    std::vector<std::u16string> labels;
    // The fields' texts as they were handed in (the prefilled values).
    std::vector<std::u16string> values;
};

struct ListDialogCall {
    std::u16string caption;
    std::vector<std::u16string> items;
    int32_t initial;
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

    // The next menu answers this id (for a flat menu, the item's index; -1
    // dismisses it); with an empty queue a menu is dismissed.
    void queuePopupMenuChoice(int32_t id) { choices_.push_back({id, {}}); }
    // The next menu chooses the first command with this text, searching
    // sub-menus too; dismissed when there is none.
    void queuePopupMenuChoice(std::u16string text) { choices_.push_back({-1, std::move(text)}); }
    const std::vector<PopupMenuCall>& popupMenus() const { return popupMenus_; }

    // The next prompt dialog is confirmed with these texts (fields beyond the
    // list keep their prefilled values); std::nullopt cancels it. With an
    // empty queue a prompt is cancelled.
    void queuePromptAnswer(std::optional<std::vector<std::u16string>> texts) {
        prompts_.push_back(std::move(texts));
    }
    const std::vector<PromptDialogCall>& promptDialogs() const { return promptCalls_; }

    // The next list dialog chooses this index (-1 cancels); with an empty queue
    // a list is cancelled.
    void queueListChoice(int32_t index) { listChoices_.push_back(index); }
    const std::vector<ListDialogCall>& listDialogs() const { return listCalls_; }

    // The pointer-pressed state the backend reports; with pressAtPoll n > 0
    // the pointer counts as pressed from the n-th poll on.
    void setPointerPressed(bool down) { pointerDown_ = down; }
    void pressPointerAtPoll(int n) { pressAtPoll_ = n; }
    int pointerPolls() const { return pointerPolls_; }
    // Every wait-cursor change, in order (true shown).
    const std::vector<bool>& waitCursorChanges() const { return waitCursor_; }

    // The clipboard is the backend's own.
    const std::optional<std::u16string>& clipboard() const { return clipboard_; }
    void setClipboard(std::optional<std::u16string> text) { clipboard_ = std::move(text); }

    // Help pages asked for, as "path#anchor".
    const std::vector<std::u16string>& helpRequests() const { return helpRequests_; }

    // What findWindow answers for any class and title.
    void setFoundWindow(PlatformWindow window) { foundWindow_ = window; }

    void clear() {
        messageBoxes_.clear();
        popupMenus_.clear();
        promptCalls_.clear();
        listCalls_.clear();
    }

private:
    struct MenuChoice {
        int32_t id;
        std::u16string text;
    };

    static int messageBox(void* context, PlatformWindow owner, const char16_t* text,
                          const char16_t* caption, uint32_t style);
    static int pointerPressed(void* context);
    static void setWaitCursor(void* context, int shown);
    static int32_t trackMenu(void* context, PlatformWindow owner, const PlatformMenuItem* items,
                             int32_t count, int32_t x, int32_t y);
    static int promptDialog(void* context, PlatformWindow owner, const char16_t* caption,
                            PlatformPromptField* fields, int32_t count);
    static int32_t listDialog(void* context, PlatformWindow owner, const char16_t* caption,
                              const char16_t* const* items, int32_t count, int32_t initial);
    static int setClipboardText(void* context, const char16_t* text);
    static int32_t getClipboardText(void* context, char16_t* buffer, int32_t capacity);
    static int openHelp(void* context, const char16_t* path, const char16_t* anchor);
    static PlatformWindow findWindow(void* context, const char16_t* className,
                                     const char16_t* title);

    PlatformBackend table_;
    const PlatformBackend* previous_;
    std::deque<int> answers_;
    std::vector<MessageBoxCall> messageBoxes_;
    std::deque<MenuChoice> choices_;
    std::vector<PopupMenuCall> popupMenus_;
    std::deque<std::optional<std::vector<std::u16string>>> prompts_;
    std::vector<PromptDialogCall> promptCalls_;
    std::deque<int32_t> listChoices_;
    std::vector<ListDialogCall> listCalls_;
    bool pointerDown_ = false;
    int pressAtPoll_ = 0;
    int pointerPolls_ = 0;
    std::vector<bool> waitCursor_;
    std::optional<std::u16string> clipboard_;
    std::vector<std::u16string> helpRequests_;
    PlatformWindow foundWindow_ = nullptr;
};

}  // namespace orvana::testing

#endif
