// A long run shows the wait cursor after a while and stops when the pointer
// is pressed; short runs never poll.
#include <gtest/gtest.h>

#include "engine/long_run.h"
#include "engine/scripts.h"
#include "platform/clock.h"
#include "scripted_backend.h"

namespace engine {
namespace {

// Runs the checks of `tokens` lists of one token each, as the evaluator
// does; true when one of them was refused because a stop was asked for.
bool runTokens(uint32_t tokens) {
    for (uint32_t i = 0; i < tokens; ++i) {
        if (longRunRefusesList()) return true;
        longRunTokens(1);
    }
    return longRunRefusesList();
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

// A straight run counted in one go reads the clock once however many
// multiples of the interval it passes, and never when it passes none.
TEST(LongRun, TokensCountedTogetherPollOncePerRun) {
    orvana::testing::ScriptedBackend ui;
    platformUseVirtualClock(1);
    clearScriptAbort();
    {
        const LongRunWatch outer(true);
        EXPECT_FALSE(longRunTokens(kTokensBetweenChecks));  // the period's first reading
        platformAdvanceClock(kLongRunMs);
        EXPECT_FALSE(longRunTokens(0));
        EXPECT_EQ(ui.pointerPolls(), 0);
        EXPECT_FALSE(longRunTokens(3 * kTokensBetweenChecks));
        EXPECT_EQ(ui.pointerPolls(), 1);
        // Single tokens up to the next multiple, then nothing polled again
        // before the one after it.
        int polls = 0;
        for (uint32_t i = 0; i < kTokensBetweenChecks && polls == 0; ++i) {
            EXPECT_FALSE(longRunTokens(1));
            polls = ui.pointerPolls() - 1;
        }
        EXPECT_EQ(polls, 1);
        EXPECT_FALSE(longRunTokens(kTokensBetweenChecks - 1));
        EXPECT_EQ(ui.pointerPolls(), 2);
        ui.setPointerPressed(true);
        EXPECT_TRUE(longRunTokens(1));
    }
    EXPECT_TRUE(scriptAborted());
    clearScriptAbort();
    platformUseVirtualClock(0);
}

// A run that defers its period (a list that may need no platform at all)
// begins it at its first clock reading, or when asked before an operator
// that polls by itself; either way a press then stops it as before.
TEST(LongRun, ADeferredPeriodBeginsWhenFirstNeeded) {
    orvana::testing::ScriptedBackend ui;
    platformUseVirtualClock(1);
    clearScriptAbort();
    {
        const LongRunWatch run(true, true);
        // Not begun: an operator's own poll finds no period.
        EXPECT_EQ(platformLongWorkPoll(kLongWorkUnitsBetweenReadings), 0);
        EXPECT_FALSE(longRunTokens(kTokensBetweenChecks));  // begins it, first reading
        platformAdvanceClock(kLongRunMs);
        ui.setPointerPressed(true);
        EXPECT_TRUE(longRunTokens(kTokensBetweenChecks));
        EXPECT_EQ(ui.pointerPolls(), 1);
    }
    EXPECT_EQ(ui.waitCursorChanges(), (std::vector<bool>{true, false}));
    clearScriptAbort();
    ui.setPointerPressed(false);
    {
        const LongRunWatch run(true, true);
        longRunBeginPeriod();
        EXPECT_EQ(platformLongWorkPoll(kLongWorkUnitsBetweenReadings), 0);  // first reading
        platformAdvanceClock(kLongRunMs);
        ui.setPointerPressed(true);
        EXPECT_EQ(platformLongWorkPoll(kLongWorkUnitsBetweenReadings), 1);
    }
    // The stop an operator met ends a running script.
    EXPECT_TRUE(scriptAborted());
    clearScriptAbort();
    {
        // A short run never begun leaves nothing open behind it.
        const LongRunWatch run(true, true);
        EXPECT_FALSE(longRunTokens(3));
    }
    EXPECT_EQ(platformLongWorkPoll(kLongWorkUnitsBetweenReadings), 0);
    EXPECT_FALSE(scriptAborted());
    platformUseVirtualClock(0);
}

}  // namespace
}  // namespace engine
