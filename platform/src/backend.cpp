// The backend table in force, and the routing of message boxes through it.
#include "platform/backend.h"

#include <cstddef>

namespace {
const PlatformBackend* current = nullptr;

// Whether the installed table is large enough to hold the given entry.
template <typename Field>
bool hasEntry(const PlatformBackend* backend, Field PlatformBackend::*field) {
    const auto* base = reinterpret_cast<const char*>(backend);
    const auto* entry = reinterpret_cast<const char*>(&(backend->*field));
    return static_cast<size_t>(entry - base) + sizeof(Field) <= backend->size &&
           backend->*field != nullptr;
}
}  // namespace

extern "C" {

void platformSetBackend(const PlatformBackend* backend) { current = backend; }

const PlatformBackend* platformCurrentBackend(void) {
    return current != nullptr ? current : platformHeadlessBackend();
}

int platformMessageBox(PlatformWindow owner, const char16_t* text, const char16_t* caption,
                       uint32_t style) {
    static const char16_t empty[] = u"";
    if (text == nullptr) text = empty;
    if (caption == nullptr) caption = empty;
    const PlatformBackend* backend = platformCurrentBackend();
    if (!hasEntry(backend, &PlatformBackend::messageBox)) backend = platformHeadlessBackend();
    return backend->messageBox(backend->context, owner, text, caption, style);
}

int32_t platformPopupMenu(PlatformWindow owner, const char16_t* const* items, int32_t count,
                          int32_t x, int32_t y) {
    if (items == nullptr || count <= 0) return -1;
    const PlatformBackend* backend = platformCurrentBackend();
    if (!hasEntry(backend, &PlatformBackend::popupMenu)) backend = platformHeadlessBackend();
    const int32_t choice = backend->popupMenu(backend->context, owner, items, count, x, y);
    return choice >= 0 && choice < count ? choice : -1;
}

int platformMessageBoxDefaultAnswer(uint32_t style) {
    if ((style & PLATFORM_MB_BUTTON_MASK) == PLATFORM_MB_YESNO)
        return (style & PLATFORM_MB_DEFBUTTON2) ? PLATFORM_IDNO : PLATFORM_IDYES;
    return PLATFORM_IDOK;
}

}  // extern "C"
