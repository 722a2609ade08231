#include "scripted_backend.h"

namespace orvana::testing {

ScriptedBackend::ScriptedBackend()
    : table_{sizeof(PlatformBackend), this, &ScriptedBackend::messageBox},
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

}  // namespace orvana::testing
