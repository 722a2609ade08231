// Where a call to another Workspace failed. A failing block inside a called
// Workspace makes the call fail with the block's status; the caller only sees
// the status, so the first (innermost) failing block is remembered here for
// a front end to name.
#ifndef ORVANA_ENGINE_CALL_FAILURE_H
#define ORVANA_ENGINE_CALL_FAILURE_H

#include <optional>
#include <string>
#include <string_view>

#include "engine/status.h"

namespace engine {

struct CallFailure {
    std::u16string workspace;  // the called Workspace's name as the call gave it
    int block = 0;             // counted from 1
    std::u16string text;       // the block's text
    Status status = kOk;
};

// Remembers a failing block unless a failure is remembered already (an
// inner call's failure comes first and is the one worth naming).
void noteCallFailure(std::u16string_view workspace, int block, std::u16string_view text,
                     Status status);

// The failure remembered since the last clearCallFailure(), if any.
const std::optional<CallFailure>& lastCallFailure();

// Forgets it; done when the user starts something new.
void clearCallFailure();

}  // namespace engine

#endif
