// A long run shows the wait cursor after a while and stops when the pointer
// is pressed; short runs never poll.
#include <gtest/gtest.h>

#include "engine/long_run.h"
#include "engine/scripts.h"
#include "platform/clock.h"
#include "scripted_backend.h"

namespace engine {
namespace {

// Runs the checks of `tokens` tokens; true when one of them asked to stop.
bool runTokens(uint32_t tokens) {
    bool stopped = false;
    for (uint32_t i = 0; i < tokens && !stopped; ++i) stopped = longRunInterrupted();
    return stopped;
}

TEST(LongRun, APressStopsALongRunAndItsScriptWithTheWaitCursorShownMeanwhile) {
    orvana::testing::ScriptedBackend ui;
    platformUseVirtualClock(1);
    clearScriptAbort();
    {
        const LongRunWatch outer(true);
        EXPECT_FALSE(runTokens(3 * kTokensBetweenChecks));  // quick: nothing polled
        EXPECT_EQ(ui.pointerPolls(), 0);
        platformAdvanceClock(kLongRunMs);
        EXPECT_FALSE(runTokens(kTokensBetweenChecks));  // long now, but nobody pressed
        EXPECT_EQ(ui.pointerPolls(), 1);
        EXPECT_EQ(ui.waitCursorChanges(), (std::vector<bool>{true}));
        {
            const LongRunWatch nested(true);  // a nested run belongs to the outer one
            ui.setPointerPressed(true);
            EXPECT_TRUE(runTokens(kTokensBetweenChecks));
        }
        EXPECT_TRUE(scriptAborted());
        EXPECT_EQ(ui.waitCursorChanges().size(), 1u);
    }
    EXPECT_EQ(ui.waitCursorChanges(), (std::vector<bool>{true, false}));
    // Without a run, nothing is polled.
    EXPECT_FALSE(runTokens(2 * kTokensBetweenChecks));
    clearScriptAbort();
    platformUseVirtualClock(0);
}

}  // namespace
}  // namespace engine
