// Stopping a long evaluation. An outermost run opens the platform's long-work
// period (platform/long_work.h); every few thousand tokens the evaluator asks
// whether it should stop, and the long loops of the operators poll the same
// period. Once a run has gone on for a noticeable time the wait cursor is
// shown and the pointer (a click on the window, Ctrl-C in the terminal) is
// polled; a press stops the run with message 65 and stops a running script
// too. Counting tokens here and reading the tick counter only every few
// thousand keeps this off the hot path.
#ifndef ORVANA_ENGINE_LONG_RUN_H
#define ORVANA_ENGINE_LONG_RUN_H

#include <cstdint>

#include "platform/long_work.h"

namespace engine {

// How long a run goes on before the pointer is polled, in milliseconds.
inline constexpr uint32_t kLongRunMs = kLongWorkMs;
// Tokens between two looks at the clock (a power of two).
inline constexpr uint32_t kTokensBetweenChecks = 4096;

void abortScript();

// The run's counters, kept here so that the checks on the evaluator's path
// are inline; only long_run.cpp and the inline functions below use them.
namespace long_run_detail {
struct State {
    uint32_t tokens = 0;      // tokens run since the period began
    int openWatches = 0;      // outermost watches open
    bool stopPending = false;  // a stop seen when a list's tokens were counted
    // The outermost watch left the platform's period for the first poll to
    // begin (a list that may turn out to need none).
    bool periodDeferred = false;
};
extern State state;
// The slow half of longRunTokens: `passed` multiples were passed.
bool pollPassed(uint32_t passed);
}  // namespace long_run_detail

// Begins the platform's period an outermost watch deferred: before anything
// may poll it (an operator, a library, the token count's clock reading).
inline void longRunBeginPeriod() {
    long_run_detail::State& s = long_run_detail::state;
    if (!s.periodDeferred) return;
    s.periodDeferred = false;
    platformLongWorkBegin();
}

// Brackets a run of the evaluator; the outermost bracket makes the period and
// nested runs (outermost = false, or inside another bracket) belong to it.
// A run that would be outermost but starts inside another watch (a script's
// blocks inside Run from here) leaves the platform's brackets alone, as a
// nested bracket there changes nothing, and only passes a stop on to the
// script when it ends. A deferred watch begins the platform's period only
// when longRunBeginPeriod is called inside it, so a short list of plain
// arithmetic never calls into the platform; it must be called before
// anything that may poll the period.
class LongRunWatch {
public:
    explicit LongRunWatch(bool outermost, bool deferred = false) : outermost_(outermost) {
        if (!outermost_) return;
        bracketed_ = long_run_detail::state.openWatches++ == 0;
        if (!bracketed_) return;
        if (deferred)
            long_run_detail::state.periodDeferred = true;
        else
            platformLongWorkBegin();
    }
    ~LongRunWatch() {
        if (!outermost_) return;
        long_run_detail::State& s = long_run_detail::state;
        --s.openWatches;
        // A stop seen by an operator's own loop ends a running script too; a
        // pending one is left for the script's next list to meet, unless the
        // whole run is over.
        if (bracketed_) {
            if (s.periodDeferred)
                s.periodDeferred = false;
            else if (platformLongWorkEnd() != 0)
                abortScript();
            s.stopPending = false;
        } else if (!s.stopPending && platformLongWorkStopped() != 0) {
            abortScript();
        }
    }
    LongRunWatch(const LongRunWatch&) = delete;
    LongRunWatch& operator=(const LongRunWatch&) = delete;

private:
    bool outermost_;
    bool bracketed_ = false;
};

// Counts a finished list of n tokens towards the run in one go: the clock is
// looked at once if the count passed one or more multiples of
// kTokensBetweenChecks, as counting the tokens one by one would have. A stop
// seen here is kept pending and answered true: the list that just finished
// keeps its effects (its assignment happened), and the next list of the run
// is refused by longRunRefusesList, so the block that shows "Interrupted" is
// one that did nothing.
inline bool longRunTokens(uint32_t n) {
    long_run_detail::State& s = long_run_detail::state;
    // Multiples of kTokensBetweenChecks in (tokens, tokens + n].
    const uint32_t passed =
        uint32_t((uint64_t(s.tokens & (kTokensBetweenChecks - 1)) + n) / kTokensBetweenChecks);
    s.tokens += n;
    return passed != 0 && long_run_detail::pollPassed(passed);
}

// Whether counting n more tokens reaches the clock, as longRunTokens(n) would.
inline bool longRunTokensReachClock(uint32_t n) {
    return uint64_t(long_run_detail::state.tokens & (kTokensBetweenChecks - 1)) + n >=
           kTokensBetweenChecks;
}

// True when a stop is pending: the list about to run must not, and a
// running script stops.
inline bool longRunRefusesList() {
    if (!long_run_detail::state.stopPending) return false;
    abortScript();
    return true;
}

// Whether a stop is pending, without acting on it.
inline bool longRunStopPending() {
    return long_run_detail::state.stopPending;
}

// Whether a run is open, so that a list run inside it needs no bracket of
// its own.
inline bool longRunOpen() {
    return long_run_detail::state.openWatches > 0;
}

// Starts the token count again from 0, so that two runs of the same lists
// reach the clock at the same tokens (for comparing runs).
inline void restartLongRunCount() {
    long_run_detail::state.tokens = 0;
}

}  // namespace engine

#endif
