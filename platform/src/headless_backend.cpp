// The backend used when no user interface is installed: message boxes are
// written to standard error and answered with their default button.
#include <cstdio>
#include <string>

#include "platform/backend.h"
#include "platform/text.h"

namespace {

std::string toUtf8(const char16_t* text) {
    std::string out(platformUtf16ToUtf8(text, nullptr, 0) + 1, '\0');
    platformUtf16ToUtf8(text, out.data(), out.size());
    out.pop_back();
    return out;
}

int headlessMessageBox(void*, PlatformWindow, const char16_t* text, const char16_t* caption,
                       uint32_t style) {
    std::fprintf(stderr, "%s: %s\n", toUtf8(caption).c_str(), toUtf8(text).c_str());
    std::fflush(stderr);
    return platformMessageBoxDefaultAnswer(style);
}

int32_t headlessPopupMenu(void*, PlatformWindow, const char16_t* const*, int32_t, int32_t,
                          int32_t) {
    return -1;
}

int headlessPointerPressed(void*) { return 0; }

void headlessSetWaitCursor(void*, int) {}

const PlatformBackend headless = {sizeof(PlatformBackend), nullptr,          headlessMessageBox,
                                  headlessPopupMenu,       headlessPointerPressed,
                                  headlessSetWaitCursor};

}  // namespace

extern "C" const PlatformBackend* platformHeadlessBackend(void) { return &headless; }
