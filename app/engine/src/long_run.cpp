#include "engine/long_run.h"

#include "platform/long_work.h"

namespace engine {

namespace long_run_detail {

State state;

bool pollPassed(uint32_t passed) {
    longRunBeginPeriod();
    if (platformLongWorkPoll(size_t(passed) * kTokensBetweenChecks) == 0) return false;
    state.stopPending = true;
    return true;
}

}  // namespace long_run_detail

}  // namespace engine
