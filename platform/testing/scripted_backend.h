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
    void clear() { messageBoxes_.clear(); }

private:
    static int messageBox(void* context, PlatformWindow owner, const char16_t* text,
                          const char16_t* caption, uint32_t style);

    PlatformBackend table_;
    const PlatformBackend* previous_;
    std::deque<int> answers_;
    std::vector<MessageBoxCall> messageBoxes_;
};

}  // namespace orvana::testing

#endif
