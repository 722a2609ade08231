#include "wait_cursor.h"

#include "engine_state_data.h"
#include "platform/pointer_state.h"

namespace engine {
namespace {

constinit int& waitDepth = theEngineState.waitDepth;
constinit bool& cursorShown = theEngineState.cursorShown;

}  // namespace

void removeWaitCursor() {
    if (cursorShown) platformSetWaitCursor(0);
    cursorShown = false;
}

WaitCursor::WaitCursor() {
    if (waitDepth++ == 0) {
        platformSetWaitCursor(1);
        cursorShown = true;
    }
}

WaitCursor::~WaitCursor() {
    if (--waitDepth <= 0) {
        waitDepth = 0;
        removeWaitCursor();
    }
}

}  // namespace engine
