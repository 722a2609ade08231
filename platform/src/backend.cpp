// The backend table in force, and the routing of the user-interface services
// through it: message boxes, menus, dialogs, clipboard, help and windows.
#include "platform/backend.h"

#include <vector>

#include "backend_routing.h"
#include "platform/clipboard.h"
#include "platform/shell_services.h"

using platform::backendFor;

namespace {

const PlatformBackend* current = nullptr;

const char16_t kEmpty[] = u"";

const char16_t* orEmpty(const char16_t* text) { return text != nullptr ? text : kEmpty; }

// Whether id names an enabled command anywhere in the menu, so that a stray
// answer from a backend never reaches a command handler.
bool offers(const PlatformMenuItem* items, int32_t count, int32_t id, int depth = 0) {
    if (items == nullptr || depth > 8) return false;
    for (int32_t i = 0; i < count; ++i) {
        const PlatformMenuItem& item = items[i];
        if (item.text == nullptr || (item.flags & PLATFORM_MENU_DISABLED) != 0) continue;
        if (item.submenu != nullptr && item.submenuCount > 0) {
            if (offers(item.submenu, item.submenuCount, id, depth + 1)) return true;
        } else if (item.id == id) {
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" {

void platformSetBackend(const PlatformBackend* backend) { current = backend; }

const PlatformBackend* platformCurrentBackend(void) {
    return current != nullptr ? current : platformHeadlessBackend();
}

int platformMessageBox(PlatformWindow owner, const char16_t* text, const char16_t* caption,
                       uint32_t style) {
    const PlatformBackend* b = backendFor(&PlatformBackend::messageBox);
    return b->messageBox(b->context, owner, orEmpty(text), orEmpty(caption), style);
}

int platformMessageBoxDefaultAnswer(uint32_t style) {
    if ((style & PLATFORM_MB_BUTTON_MASK) == PLATFORM_MB_YESNO)
        return (style & PLATFORM_MB_DEFBUTTON2) ? PLATFORM_IDNO : PLATFORM_IDYES;
    return PLATFORM_IDOK;
}

int32_t platformTrackMenu(PlatformWindow owner, const PlatformMenuItem* items, int32_t count,
                          int32_t x, int32_t y) {
    if (items == nullptr || count <= 0) return -1;
    const PlatformBackend* b = backendFor(&PlatformBackend::trackMenu);
    const int32_t id = b->trackMenu(b->context, owner, items, count, x, y);
    return id >= 0 && offers(items, count, id) ? id : -1;
}

int32_t platformPopupMenu(PlatformWindow owner, const char16_t* const* items, int32_t count,
                          int32_t x, int32_t y) {
    if (items == nullptr || count <= 0) return -1;
    std::vector<PlatformMenuItem> menu(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) menu[size_t(i)] = {orEmpty(items[i]), i, 0, nullptr, 0};
    return platformTrackMenu(owner, menu.data(), count, x, y);
}

int platformPromptDialog(PlatformWindow owner, const char16_t* caption,
                         PlatformPromptField* fields, int32_t count) {
    if (fields == nullptr || count < 1) return 0;
    for (int32_t i = 0; i < count; ++i)
        if (fields[i].text == nullptr || fields[i].capacity < 1) return 0;
    // What the backend writes is cut to each buffer, whatever it does.
    const PlatformBackend* b = backendFor(&PlatformBackend::promptDialog);
    const int ok = b->promptDialog(b->context, owner, orEmpty(caption), fields, count);
    for (int32_t i = 0; i < count; ++i) fields[i].text[fields[i].capacity - 1] = 0;
    return ok != 0 ? 1 : 0;
}

int32_t platformListDialog(PlatformWindow owner, const char16_t* caption,
                           const char16_t* const* items, int32_t count, int32_t initial) {
    if (items == nullptr || count <= 0) return -1;
    if (initial < -1 || initial >= count) initial = -1;
    const PlatformBackend* b = backendFor(&PlatformBackend::listDialog);
    const int32_t chosen = b->listDialog(b->context, owner, orEmpty(caption), items, count, initial);
    return chosen >= 0 && chosen < count ? chosen : -1;
}

int platformSetClipboardText(const char16_t* text) {
    const PlatformBackend* b = backendFor(&PlatformBackend::setClipboardText);
    return b->setClipboardText(b->context, orEmpty(text)) != 0 ? 1 : 0;
}

int32_t platformGetClipboardText(char16_t* buffer, int32_t capacity) {
    if (buffer == nullptr) capacity = 0;
    if (capacity > 0) buffer[0] = 0;
    const PlatformBackend* b = backendFor(&PlatformBackend::getClipboardText);
    const int32_t length = b->getClipboardText(b->context, buffer, capacity);
    // A backend that fills the whole buffer still leaves a terminated text.
    if (capacity > 0) buffer[capacity - 1] = 0;
    return length < 0 ? -1 : length;
}

int platformOpenHelp(const char16_t* path, const char16_t* anchor) {
    if (path == nullptr || *path == 0) return 0;
    const PlatformBackend* b = backendFor(&PlatformBackend::openHelp);
    return b->openHelp(b->context, path, orEmpty(anchor)) != 0 ? 1 : 0;
}

PlatformWindow platformFindWindow(const char16_t* className, const char16_t* title) {
    const PlatformBackend* b = backendFor(&PlatformBackend::findWindow);
    return b->findWindow(b->context, orEmpty(className), orEmpty(title));
}

}  // extern "C"
