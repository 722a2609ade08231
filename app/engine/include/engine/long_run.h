// Stopping a long evaluation. An outermost run notes when it began; every few
// thousand tokens the evaluator asks whether it should stop. Once a run has
// gone on for a noticeable time the wait cursor is shown and the pointer (a
// click on the window, Ctrl-C in the terminal) is polled through the
// platform; a press stops the run with message 65 and stops a running script
// too. Reading the tick counter only every few thousand tokens keeps this off
// the hot path.
#ifndef ORVANA_ENGINE_LONG_RUN_H
#define ORVANA_ENGINE_LONG_RUN_H

#include <cstdint>

namespace engine {

// How long a run goes on before the pointer is polled, in milliseconds.
inline constexpr uint32_t kLongRunMs = 300;
// Tokens between two looks at the clock (a power of two).
inline constexpr uint32_t kTokensBetweenChecks = 4096;

// Marks the outermost run of the evaluator for its lifetime; nested runs
// pass outermost = false and change nothing.
class LongRunWatch {
public:
    explicit LongRunWatch(bool outermost);
    ~LongRunWatch();
    LongRunWatch(const LongRunWatch&) = delete;
    LongRunWatch& operator=(const LongRunWatch&) = delete;

private:
    bool outermost_;
};

// Called by the evaluator after each token: true when the user asked the
// current run to stop.
bool longRunInterrupted();

}  // namespace engine

#endif
