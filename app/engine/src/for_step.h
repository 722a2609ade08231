// FOR's step on its variable and the block a control token leads to, shared
// by the FOR token's handler and the script runner's direct run of plain FOR
// and END blocks.
#ifndef ORVANA_ENGINE_FOR_STEP_H
#define ORVANA_ENGINE_FOR_STEP_H

#include "engine/code_list.h"
#include "lattix.h"
#include "operands.h"

namespace engine {

// The block a control token's value names; -1 (stop) for anything that is
// not a block number.
inline int jumpTarget(const Token& t) {
    const double v = t.value;
    if (!(v >= 0.0) || v > 1e6) return -1;
    return int(v);
}

struct ForStep {
    double value;  // the variable's new value
    bool goOn;     // the loop runs its body with it
};

// On entry the variable starts at `start`; on a re-entry (the loop's END
// jumped back) it goes on from its own value by `step`. The loop goes on
// while the value has not passed `end` in the step's direction.
inline ForStep forStep(const Matrix& k, double start, double step, double end, bool reentry) {
    const double value = reentry ? firstReal(k).value_or(0.0) + step : start;
    const bool goOn = (step > 0.0 && value <= end) || (step <= 0.0 && value >= end);
    return {value, goOn};
}

}  // namespace engine

#endif
