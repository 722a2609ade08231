// The long-work period: the clock is read only once enough work has passed,
// the pointer only once the period has lasted, and a press stops everything
// until the period ends.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/clock.h"
#include "platform/long_work.h"
#include "platform/pointer_state.h"
#include "scripted_backend.h"

using orvana::testing::ScriptedBackend;

namespace {

class LongWork : public ::testing::Test {
  protected:
    void SetUp() override { platformUseVirtualClock(1); }
    void TearDown() override { platformUseVirtualClock(0); }
    ScriptedBackend ui;
};

// A period's time counts from its first reading of the clock, which comes
// once enough work has passed.
void startClock() { EXPECT_EQ(platformLongWorkPoll(kLongWorkUnitsBetweenReadings), 0); }

TEST_F(LongWork, AShortPeriodNeverReadsTheClock) {
    platformLongWorkBegin();
    platformAdvanceClock(10 * kLongWorkMs);
    startClock();  // the first reading: the period has only just begun
    platformAdvanceClock(kLongWorkMs - 1);
    EXPECT_EQ(platformLongWorkPoll(kLongWorkUnitsBetweenReadings), 0);
    EXPECT_EQ(ui.pointerPolls(), 0);
    platformAdvanceClock(1);
    EXPECT_EQ(platformLongWorkPoll(kLongWorkUnitsBetweenReadings), 0);
    EXPECT_EQ(ui.pointerPolls(), 1);
    platformLongWorkEnd();
}

TEST_F(LongWork, OutsideAPeriodNothingIsPolledAndNothingStops) {
    ui.setPointerPressed(true);
    platformAdvanceClock(10 * kLongWorkMs);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(platformLongWorkPoll(SIZE_MAX), 0);
    EXPECT_EQ(ui.pointerPolls(), 0);
    EXPECT_TRUE(ui.waitCursorChanges().empty());
    EXPECT_EQ(platformLongWorkStopped(), 0);
    platformLongWorkEnd();  // an unmatched end changes nothing
    EXPECT_EQ(platformLongWorkPoll(SIZE_MAX), 0);
}

TEST_F(LongWork, AQuickPeriodNeverPollsThePointer) {
    ui.setPointerPressed(true);
    platformLongWorkBegin();
    platformAdvanceClock(kLongWorkMs - 1);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(platformLongWorkPoll(kLongWorkUnitsBetweenReadings), 0);
    platformLongWorkEnd();
    EXPECT_EQ(ui.pointerPolls(), 0);
    EXPECT_TRUE(ui.waitCursorChanges().empty());
}

TEST_F(LongWork, SmallStepsAddUpBeforeThePointerIsPolled) {
    platformLongWorkBegin();
    startClock();
    platformAdvanceClock(kLongWorkMs);
    for (int i = 0; i < kLongWorkUnitsBetweenReadings - 1; ++i) platformLongWorkPoll(1);
    EXPECT_EQ(ui.pointerPolls(), 0);
    platformLongWorkPoll(1);
    EXPECT_EQ(ui.pointerPolls(), 1);
    // A step worth more than the spacing polls every time, without wrapping.
    platformLongWorkPoll(SIZE_MAX);
    platformLongWorkPoll(SIZE_MAX);
    EXPECT_EQ(ui.pointerPolls(), 3);
    EXPECT_EQ(ui.waitCursorChanges(), (std::vector<bool>{true}));
    EXPECT_EQ(platformWaitCursorShown(), 1);
    platformLongWorkEnd();
    EXPECT_EQ(ui.waitCursorChanges(), (std::vector<bool>{true, false}));
}

TEST_F(LongWork, APressStopsTheWholePeriodUntilItsOutermostEnd) {
    platformLongWorkBegin();
    platformLongWorkBegin();  // a nested bracket belongs to the period
    startClock();
    platformAdvanceClock(kLongWorkMs);
    ui.pressPointerAtPoll(2);
    EXPECT_EQ(platformLongWorkPoll(kLongWorkUnitsBetweenReadings), 0);
    EXPECT_EQ(platformLongWorkPoll(kLongWorkUnitsBetweenReadings), 1);
    EXPECT_EQ(platformLongWorkStopped(), 1);
    // Stopped stays stopped, and the pointer is not asked again.
    EXPECT_EQ(platformLongWorkPoll(1), 1);
    EXPECT_EQ(ui.pointerPolls(), 2);
    EXPECT_EQ(platformLongWorkEnd(), 1);  // each end tells of the stop
    EXPECT_EQ(platformLongWorkStopped(), 1);
    EXPECT_EQ(platformLongWorkPoll(1), 1);
    EXPECT_EQ(platformLongWorkEnd(), 1);
    EXPECT_EQ(platformLongWorkStopped(), 0);
    EXPECT_EQ(ui.waitCursorChanges(), (std::vector<bool>{true, false}));

    // The next period starts afresh: quick again, and not stopped.
    ui.pressPointerAtPoll(0);
    platformLongWorkBegin();
    EXPECT_EQ(platformLongWorkPoll(SIZE_MAX), 0);
    EXPECT_EQ(platformLongWorkStopped(), 0);
    EXPECT_EQ(platformLongWorkEnd(), 0);
    EXPECT_EQ(ui.pointerPolls(), 2);
}

}  // namespace
