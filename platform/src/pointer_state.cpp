// The pointer-pressed state and the wait cursor, routed to the backend.
#include "platform/pointer_state.h"

#include "backend_routing.h"

using platform::backendFor;

extern "C" {

int platformPointerPressed(void) {
    const PlatformBackend* b = backendFor(&PlatformBackend::pointerPressed);
    return b->pointerPressed(b->context) != 0 ? 1 : 0;
}

void platformSetWaitCursor(int shown) {
    const PlatformBackend* b = backendFor(&PlatformBackend::setWaitCursor);
    b->setWaitCursor(b->context, shown != 0 ? 1 : 0);
}

}  // extern "C"
