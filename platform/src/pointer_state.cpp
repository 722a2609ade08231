// The pointer-pressed state and the wait cursor, routed to the backend.
#include "platform/pointer_state.h"

#include "backend_routing.h"

using platform::backendFor;

namespace {

// The state last asked for, so that a modal dialog can take the cursor away
// and put back what it found.
int waitCursorShown = 0;

}  // namespace

extern "C" {

int platformPointerPressed(void) {
    const PlatformBackend* b = backendFor(&PlatformBackend::pointerPressed);
    return b->pointerPressed(b->context) != 0 ? 1 : 0;
}

void platformSetWaitCursor(int shown) {
    waitCursorShown = shown != 0 ? 1 : 0;
    const PlatformBackend* b = backendFor(&PlatformBackend::setWaitCursor);
    b->setWaitCursor(b->context, shown != 0 ? 1 : 0);
}

int platformWaitCursorShown(void) {
    return waitCursorShown;
}

}  // extern "C"
