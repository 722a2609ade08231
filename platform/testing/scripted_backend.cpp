#include "scripted_backend.h"

namespace orvana::testing {

ScriptedBackend::ScriptedBackend()
    : table_{sizeof(PlatformBackend),      this, &ScriptedBackend::messageBox,
             &ScriptedBackend::popupMenu,     &ScriptedBackend::pointerPressed,
             &ScriptedBackend::setWaitCursor},
      previous_(platformCurrentBackend()) {
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

int32_t ScriptedBackend::popupMenu(void* context, PlatformWindow owner,
                                   const char16_t* const* items, int32_t count, int32_t x,
                                   int32_t y) {
    auto* self = static_cast<ScriptedBackend*>(context);
    PopupMenuCall call{owner, {}, x, y};
    for (int32_t i = 0; i < count; ++i) call.items.emplace_back(items[i]);
    self->popupMenus_.push_back(std::move(call));
    if (self->choices_.empty()) return -1;
    int32_t choice = self->choices_.front();
    self->choices_.pop_front();
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

}  // namespace orvana::testing
