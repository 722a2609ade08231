#include "scripted_backend.h"

#include <algorithm>

namespace orvana::testing {

namespace {

// The id of the first enabled command with this text, searching sub-menus.
int32_t findByText(const PlatformMenuItem* items, int32_t count, const std::u16string& text) {
    for (int32_t i = 0; i < count; ++i) {
        const PlatformMenuItem& item = items[i];
        if (item.text == nullptr || (item.flags & PLATFORM_MENU_DISABLED) != 0) continue;
        if (item.submenu != nullptr && item.submenuCount > 0) {
            const int32_t id = findByText(item.submenu, item.submenuCount, text);
            if (id >= 0) return id;
        } else if (text == item.text) {
            return item.id;
        }
    }
    return -1;
}

}  // namespace

ScriptedBackend::ScriptedBackend() : table_{}, previous_(platformCurrentBackend()) {
    table_.size = sizeof(PlatformBackend);
    table_.context = this;
    table_.messageBox = &ScriptedBackend::messageBox;
    table_.pointerPressed = &ScriptedBackend::pointerPressed;
    table_.setWaitCursor = &ScriptedBackend::setWaitCursor;
    table_.trackMenu = &ScriptedBackend::trackMenu;
    table_.promptDialog = &ScriptedBackend::promptDialog;
    table_.listDialog = &ScriptedBackend::listDialog;
    table_.setClipboardText = &ScriptedBackend::setClipboardText;
    table_.getClipboardText = &ScriptedBackend::getClipboardText;
    table_.openHelp = &ScriptedBackend::openHelp;
    table_.findWindow = &ScriptedBackend::findWindow;
    platformSetBackend(&table_);
}

ScriptedBackend::~ScriptedBackend() { platformSetBackend(previous_); }

int ScriptedBackend::messageBox(void* context, PlatformWindow owner, const char16_t* text,
                                const char16_t* caption, uint32_t style) {
    auto* self = static_cast<ScriptedBackend*>(context);
    self->messageBoxes_.push_back({owner, text, caption, style});
    if (self->answers_.empty()) return platformMessageBoxDefaultAnswer(style);
    int answer = self->answers_.front();
    self->answers_.pop_front();
    return answer;
}

int32_t ScriptedBackend::trackMenu(void* context, PlatformWindow owner,
                                   const PlatformMenuItem* items, int32_t count, int32_t x,
                                   int32_t y) {
    auto* self = static_cast<ScriptedBackend*>(context);
    PopupMenuCall call{owner, {}, x, y};
    for (int32_t i = 0; i < count; ++i)
        call.items.emplace_back(items[i].text != nullptr ? items[i].text : u"");
    self->popupMenus_.push_back(std::move(call));
    if (self->choices_.empty()) return -1;
    MenuChoice choice = self->choices_.front();
    self->choices_.pop_front();
    return choice.text.empty() ? choice.id : findByText(items, count, choice.text);
}

int ScriptedBackend::promptDialog(void* context, PlatformWindow, const char16_t* caption,
                                  PlatformPromptField* fields, int32_t count) {
    auto* self = static_cast<ScriptedBackend*>(context);
    PromptDialogCall call{caption, {}, {}};
    for (int32_t i = 0; i < count; ++i) {
        call.labels.emplace_back(fields[i].label != nullptr ? fields[i].label : u"");
        call.values.emplace_back(fields[i].text);
    }
    self->promptCalls_.push_back(std::move(call));
    if (self->prompts_.empty()) return 0;
    auto answer = std::move(self->prompts_.front());
    self->prompts_.pop_front();
    if (!answer) return 0;
    for (int32_t i = 0; i < count && size_t(i) < answer->size(); ++i) {
        const std::u16string& text = (*answer)[size_t(i)];
        const size_t n = std::min(text.size(), size_t(fields[i].capacity - 1));
        std::copy_n(text.data(), n, fields[i].text);
        fields[i].text[n] = 0;
    }
    return 1;
}

int32_t ScriptedBackend::listDialog(void* context, PlatformWindow, const char16_t* caption,
                                    const char16_t* const* items, int32_t count,
                                    int32_t initial) {
    auto* self = static_cast<ScriptedBackend*>(context);
    ListDialogCall call{caption, {}, initial};
    for (int32_t i = 0; i < count; ++i) call.items.emplace_back(items[i] != nullptr ? items[i] : u"");
    self->listCalls_.push_back(std::move(call));
    if (self->listChoices_.empty()) return -1;
    const int32_t choice = self->listChoices_.front();
    self->listChoices_.pop_front();
    return choice;
}

int ScriptedBackend::pointerPressed(void* context) {
    auto* self = static_cast<ScriptedBackend*>(context);
    ++self->pointerPolls_;
    if (self->pressAtPoll_ > 0 && self->pointerPolls_ >= self->pressAtPoll_) return 1;
    return self->pointerDown_ ? 1 : 0;
}

void ScriptedBackend::setWaitCursor(void* context, int shown) {
    static_cast<ScriptedBackend*>(context)->waitCursor_.push_back(shown != 0);
}

int ScriptedBackend::setClipboardText(void* context, const char16_t* text) {
    static_cast<ScriptedBackend*>(context)->clipboard_ = std::u16string(text);
    return 1;
}

int32_t ScriptedBackend::getClipboardText(void* context, char16_t* buffer, int32_t capacity) {
    const auto& held = static_cast<ScriptedBackend*>(context)->clipboard_;
    if (!held) return -1;
    if (capacity > 0) {
        const size_t n = std::min(held->size(), size_t(capacity - 1));
        std::copy_n(held->data(), n, buffer);
        buffer[n] = 0;
    }
    return static_cast<int32_t>(held->size());
}

int ScriptedBackend::openHelp(void* context, const char16_t* path, const char16_t* anchor) {
    static_cast<ScriptedBackend*>(context)->helpRequests_.push_back(std::u16string(path) + u"#" +
                                                                     anchor);
    return 1;
}

PlatformWindow ScriptedBackend::findWindow(void* context, const char16_t*, const char16_t*) {
    return static_cast<ScriptedBackend*>(context)->foundWindow_;
}

}  // namespace orvana::testing
