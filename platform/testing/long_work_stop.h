// For tests of the loops that must stop: a long-work period that has already
// lasted long enough for the pointer to be polled, on the virtual clock, with
// the scripted backend pressing the pointer at a chosen poll. Whatever runs
// inside sees the press the way a long evaluation would see a click.
#ifndef ORVANA_PLATFORM_LONG_WORK_STOP_H
#define ORVANA_PLATFORM_LONG_WORK_STOP_H

#include "platform/clock.h"
#include "platform/long_work.h"
#include "scripted_backend.h"

namespace orvana::testing {

class LongWorkStop {
  public:
    // The pointer counts as pressed from poll `pressAtPoll` on (1: the first).
    explicit LongWorkStop(int pressAtPoll = 1) {
        ui_.pressPointerAtPoll(pressAtPoll);
        platformUseVirtualClock(1);
        platformLongWorkBegin();
        platformAdvanceClock(kLongWorkMs);
    }
    ~LongWorkStop() {
        platformLongWorkEnd();
        platformUseVirtualClock(0);
    }
    LongWorkStop(const LongWorkStop&) = delete;
    LongWorkStop& operator=(const LongWorkStop&) = delete;

    int pointerPolls() const { return ui_.pointerPolls(); }
    bool stopped() const { return platformLongWorkStopped() != 0; }

  private:
    ScriptedBackend ui_;
};

}  // namespace orvana::testing

#endif
