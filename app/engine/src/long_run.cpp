#include "engine/long_run.h"

#include "engine/scripts.h"
#include "platform/long_work.h"

namespace engine {

namespace {

// Tokens run since the last look at the platform's poll.
uint32_t tokens = 0;
// Outermost watches open; only the first brackets the platform's period.
int openWatches = 0;
// A stop seen when a list's tokens were counted, for the next list.
bool stopPending = false;

}  // namespace

LongRunWatch::LongRunWatch(bool outermost) : outermost_(outermost) {
    if (!outermost_) return;
    bracketed_ = openWatches++ == 0;
    if (bracketed_) platformLongWorkBegin();
}

LongRunWatch::~LongRunWatch() {
    if (!outermost_) return;
    --openWatches;
    // A stop seen by an operator's own loop ends a running script too; a
    // pending one is left for the script's next list to meet, unless the
    // whole run is over.
    if (platformLongWorkStopped() != 0 && (bracketed_ || !stopPending)) abortScript();
    if (bracketed_) {
        platformLongWorkEnd();
        stopPending = false;
    }
}

bool longRunInterrupted() {
    if ((++tokens & (kTokensBetweenChecks - 1)) != 0) return false;
    if (platformLongWorkPoll(kTokensBetweenChecks) == 0) return false;
    abortScript();
    return true;
}

bool longRunTokens(uint32_t n) {
    // Multiples of kTokensBetweenChecks in (tokens, tokens + n].
    const uint32_t passed = uint32_t((uint64_t(tokens & (kTokensBetweenChecks - 1)) + n) /
                                     kTokensBetweenChecks);
    tokens += n;
    if (passed == 0) return false;
    if (platformLongWorkPoll(size_t(passed) * kTokensBetweenChecks) == 0) return false;
    stopPending = true;
    return true;
}

bool longRunRefusesList() {
    if (!stopPending) return false;
    abortScript();
    return true;
}

bool longRunStopPending() {
    return stopPending;
}

void restartLongRunCount() {
    tokens = 0;
}

}  // namespace engine
