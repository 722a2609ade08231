// The long-work period: a cheap, time-based poll for the stop.
#include "platform/long_work.h"

#include "platform/clock.h"
#include "platform/pointer_state.h"

namespace {

// One evaluation runs at a time; nested brackets belong to the outermost.
struct Period {
    uint32_t depth = 0;
    // The clock is first read at the first reading, not when the period
    // opens, so the many short periods (one block, one expression) never
    // read it; a period counts its time from that first reading.
    bool started = false;
    uint32_t start = 0;
    size_t pendingUnits = 0;
    bool waitCursorShown = false;
    bool stopped = false;
} period;

}  // namespace

extern "C" {

void platformLongWorkBegin(void) {
    if (period.depth++ > 0) return;
    period.started = false;
    period.pendingUnits = 0;
    period.waitCursorShown = false;
    period.stopped = false;
}

int platformLongWorkEnd(void) {
    const int stopped = period.stopped ? 1 : 0;
    if (period.depth == 0 || --period.depth > 0) return stopped;
    if (period.waitCursorShown) platformSetWaitCursor(0);
    period = Period{};
    return stopped;
}

int platformLongWorkPoll(size_t units) {
    if (period.depth == 0) return 0;
    if (period.stopped) return 1;
    // Saturating: a huge step must not wrap the count back to small.
    period.pendingUnits = units >= kLongWorkUnitsBetweenReadings - period.pendingUnits
                              ? size_t{kLongWorkUnitsBetweenReadings}
                              : period.pendingUnits + units;
    if (period.pendingUnits < kLongWorkUnitsBetweenReadings) return 0;
    period.pendingUnits = 0;
    const uint32_t now = platformTickCount();
    if (!period.started) {
        period.started = true;
        period.start = now;
    }
    if (now - period.start < kLongWorkMs) return 0;
    if (!period.waitCursorShown) {
        platformSetWaitCursor(1);
        period.waitCursorShown = true;
    }
    if (platformPointerPressed() == 0) return 0;
    period.stopped = true;
    return 1;
}

int platformLongWorkStopped(void) {
    return period.stopped ? 1 : 0;
}

}  // extern "C"
