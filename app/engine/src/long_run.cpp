#include "engine/long_run.h"

#include "engine/scripts.h"
#include "platform/long_work.h"

namespace engine {

namespace long_run_detail {

State state;

bool pollPassed(uint32_t passed) {
    if (platformLongWorkPoll(size_t(passed) * kTokensBetweenChecks) == 0) return false;
    state.stopPending = true;
    return true;
}

}  // namespace long_run_detail

bool longRunInterrupted() {
    if ((++long_run_detail::state.tokens & (kTokensBetweenChecks - 1)) != 0) return false;
    if (platformLongWorkPoll(kTokensBetweenChecks) == 0) return false;
    abortScript();
    return true;
}

}  // namespace engine
