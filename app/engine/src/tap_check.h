// The tap check a running script makes before its blocks: every 22nd block
// the pointer is polled, and a press stops every script and says where.
#ifndef ORVANA_ENGINE_TAP_CHECK_H
#define ORVANA_ENGINE_TAP_CHECK_H

#include <string_view>

#include "engine/scripts.h"

namespace engine {

class TapCheck {
public:
    // `workspace`: the called Workspace's name, empty for Run from here.
    explicit TapCheck(std::u16string_view workspace) : workspace_(workspace) {}

    // Before the block on `line` (1-based): true when a press stopped the
    // scripts (the abort flag is set and the message shown).
    bool stops(int line) {
        if (--untilPoll_ != 0) return false;
        untilPoll_ = kTapCheckInterval;
        return pressed(line);
    }

    // Whether the next check polls the pointer.
    bool pollsNext() const { return untilPoll_ == 1; }

private:
    bool pressed(int line);

    std::u16string_view workspace_;
    int untilPoll_ = kTapCheckInterval;
};

}  // namespace engine

#endif
