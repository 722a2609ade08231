// The pointer-pressed state and the wait cursor, routed to the backend.
#include "platform/pointer_state.h"

#include <cstddef>

#include "platform/backend.h"

namespace {

// Whether the installed table is large enough to hold the entry at this
// offset, and the entry is set.
bool reaches(const PlatformBackend* backend, size_t offset, size_t size) {
    return offset + size <= backend->size;
}

}  // namespace

extern "C" {

int platformPointerPressed(void) {
    const PlatformBackend* b = platformCurrentBackend();
    if (!reaches(b, offsetof(PlatformBackend, pointerPressed), sizeof b->pointerPressed) ||
        b->pointerPressed == nullptr)
        return 0;
    return b->pointerPressed(b->context) != 0 ? 1 : 0;
}

void platformSetWaitCursor(int shown) {
    const PlatformBackend* b = platformCurrentBackend();
    if (!reaches(b, offsetof(PlatformBackend, setWaitCursor), sizeof b->setWaitCursor) ||
        b->setWaitCursor == nullptr)
        return;
    b->setWaitCursor(b->context, shown != 0 ? 1 : 0);
}

}  // extern "C"
