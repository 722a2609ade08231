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

// Brackets a run of the evaluator; the outermost bracket makes the period and
// nested runs (outermost = false, or inside another bracket) belong to it.
// A run that would be outermost but starts inside another watch (a script's
// blocks inside Run from here) leaves the platform's brackets alone, as a
// nested bracket there changes nothing, and only passes a stop on to the
// script when it ends.
class LongRunWatch {
public:
    explicit LongRunWatch(bool outermost);
    ~LongRunWatch();
    LongRunWatch(const LongRunWatch&) = delete;
    LongRunWatch& operator=(const LongRunWatch&) = delete;

private:
    bool outermost_;
    bool bracketed_ = false;
};

// Called by the evaluator after each token: true when the user asked the
// current run to stop.
bool longRunInterrupted();

// The same for a finished list of n tokens counted in one go: the clock is
// looked at once if the count passed one or more multiples of
// kTokensBetweenChecks, as n calls of longRunInterrupted would have. A stop
// seen here is kept pending and answered true: the list that just finished
// keeps its effects (its assignment happened), and the next list of the run
// is refused by longRunRefusesList, so the block that shows "Interrupted" is
// one that did nothing.
bool longRunTokens(uint32_t n);

// True when a stop is pending: the list about to run must not, and a
// running script stops.
bool longRunRefusesList();

// Whether a stop is pending, without acting on it.
bool longRunStopPending();

// Starts the token count again from 0, so that two runs of the same lists
// reach the clock at the same tokens (for comparing runs).
void restartLongRunCount();

}  // namespace engine

#endif
