#include "engine/long_run.h"

#include "engine/scripts.h"
#include "platform/clock.h"
#include "platform/pointer_state.h"

namespace engine {

namespace {

// One evaluation runs at a time; nested runs belong to the outermost one.
struct LongRun {
    bool active = false;
    // The clock is first read at the first check, not when the run begins,
    // so that the many short runs (a graph column, a script's block) never
    // read it; a run counts from its first check on.
    bool started = false;
    uint32_t start = 0;
    uint32_t tokens = 0;
    bool waitCursorShown = false;
} run;

}  // namespace

LongRunWatch::LongRunWatch(bool outermost) : outermost_(outermost && !run.active) {
    if (!outermost_) return;
    run = LongRun{true, false, 0, 0, false};
}

LongRunWatch::~LongRunWatch() {
    if (!outermost_) return;
    if (run.waitCursorShown) platformSetWaitCursor(0);
    run = LongRun{};
}

bool longRunInterrupted() {
    if (!run.active || (++run.tokens & (kTokensBetweenChecks - 1)) != 0) return false;
    const uint32_t now = platformTickCount();
    if (!run.started) {
        run.started = true;
        run.start = now;
    }
    if (now - run.start < kLongRunMs) return false;
    if (!run.waitCursorShown) {
        platformSetWaitCursor(1);
        run.waitCursorShown = true;
    }
    if (platformPointerPressed() == 0) return false;
    abortScript();
    return true;
}

}  // namespace engine
