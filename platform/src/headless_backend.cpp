// The backend used when no user interface is installed: message boxes are
// written to standard error and answered with their default button, menus and
// dialogs are dismissed, drawing goes into plain memory images, and the
// clipboard lives inside the process.
#include <algorithm>
#include <cstdio>
#include <string>

#include "headless_drawing.h"
#include "platform/backend.h"
#include "platform/text.h"

namespace {

using orvana::toUtf8;

int messageBox(void*, PlatformWindow, const char16_t* text, const char16_t* caption,
               uint32_t style) {
    std::fprintf(stderr, "%s: %s\n", toUtf8(caption).c_str(), toUtf8(text).c_str());
    std::fflush(stderr);
    return platformMessageBoxDefaultAnswer(style);
}

int pointerPressed(void*) { return 0; }

void setWaitCursor(void*, int) {}

int32_t trackMenu(void*, PlatformWindow, const PlatformMenuItem*, int32_t, int32_t, int32_t) {
    return -1;
}

int promptDialog(void*, PlatformWindow, const char16_t*, PlatformPromptField*, int32_t) {
    return 0;
}

int32_t listDialog(void*, PlatformWindow, const char16_t*, const char16_t* const*, int32_t,
                   int32_t) {
    return -1;
}

// The process's own clipboard: what was set last, or nothing yet.
struct Clipboard {
    std::u16string text;
    bool holdsText = false;
} clipboard;

int setClipboardText(void*, const char16_t* text) {
    clipboard.text = text;
    clipboard.holdsText = true;
    return 1;
}

int32_t getClipboardText(void*, char16_t* buffer, int32_t capacity) {
    if (!clipboard.holdsText) return -1;
    const auto length = static_cast<int32_t>(clipboard.text.size());
    if (buffer != nullptr && capacity > 0) {
        const int32_t n = std::min(length, capacity - 1);
        std::copy_n(clipboard.text.data(), n, buffer);
        buffer[n] = 0;
    }
    return length;
}

int openHelp(void*, const char16_t*, const char16_t*) { return 0; }

PlatformWindow findWindow(void*, const char16_t*, const char16_t*) { return nullptr; }

using namespace platform::headless;

const PlatformBackend headless = {
    sizeof(PlatformBackend), nullptr,      messageBox,       pointerPressed,
    setWaitCursor,           fillRect,     drawPolyline,     drawEllipse,
    drawText,                measureText,  trackMenu,        promptDialog,
    listDialog,              setClipboardText, getClipboardText, openHelp,
    findWindow};

}  // namespace

extern "C" const PlatformBackend* platformHeadlessBackend(void) { return &headless; }
