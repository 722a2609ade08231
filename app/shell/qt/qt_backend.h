// The platform backend of the window: drawing with the toolkit's painter at
// the surfaces' scale, the program's typeface, modal message boxes, pop-up
// menus, the small prompt and list dialogs, the clipboard, the wait cursor,
// the pointer state and the help viewer. In key mode (tests, scripts) nothing
// modal is shown: every question takes the next scripted answer.
#ifndef ORVANA_SHELL_QT_QT_BACKEND_H
#define ORVANA_SHELL_QT_QT_BACKEND_H

#include <QPointer>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "scripted_answers.h"

namespace orvana::qt {

class QtBackend {
public:
    // answers: key mode's scripted answers (nothing modal is shown), or
    // nothing for an interactive window.
    explicit QtBackend(std::optional<ScriptedAnswers> answers = std::nullopt);
    ~QtBackend();
    QtBackend(const QtBackend&) = delete;
    QtBackend& operator=(const QtBackend&) = delete;

    // The window that owns menus and dialogs and answers findWindow, its
    // class and title, and the scale its client coordinates are drawn at.
    void setMainWindow(QWidget* window, const std::u16string& className,
                       const std::u16string& title);
    void setScale(int scale) { scale_ = scale; }

    // A press on the window while something runs: the next poll reports it.
    void notePointerPressed() { pointerPressed_ = true; }
    bool busy() const { return waitDepth_ > 0; }
    // Key mode: nothing modal is shown; every question is answered from the
    // answer list.
    bool scripted() const { return answers_.has_value(); }

    // What key mode was asked to show instead of a viewer ("path#anchor").
    const std::vector<std::u16string>& helpRequests() const { return helpRequests_; }

private:
    static QtBackend& self(void* context) { return *static_cast<QtBackend*>(context); }
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

    QWidget* parentFor(PlatformWindow owner) const;

    PlatformBackend table_{};
    const PlatformBackend* previous_ = nullptr;
    std::optional<ScriptedAnswers> answers_;
    QPointer<QWidget> window_;
    std::u16string className_;
    std::u16string title_;
    int scale_ = 1;
    int waitDepth_ = 0;
    bool pointerPressed_ = false;
    std::vector<std::u16string> helpRequests_;
};

}  // namespace orvana::qt

#endif
