// Finding a zero of a function of one variable: a bracket first (given, or
// stepped out from 0, then scanned for a sign change), then Brent's method.
#ifndef ORVANA_ADVANCED_ROOT_SEARCH_H
#define ORVANA_ADVANCED_ROOT_SEARCH_H

#include <functional>
#include <optional>

#include "advanced_codes.h"
#include "point_function.h"

namespace advanced {

struct Bounds {
    double lower = 0.0;
    double upper = 0.0;
};

struct Root {
    double value = 0.0;   // 0 when no root was found
    Status status = kOk;  // 0; 101 without a bracket; 103 without convergence
};

// Brent's tolerance, and the machine constant of its tolerance test.
constexpr double kRootTolerance = 3e-8;
constexpr double kRootEpsilon = 3e-8;
constexpr int kBrentIterations = 100;

// The zero of f. Without bounds the search steps out from 0; there only the
// first run of f is checked, through lastRunFailed.
Root findRoot(const PointFunction& f, const std::function<bool()>& lastRunFailed,
              std::optional<Bounds> bounds);

}  // namespace advanced

#endif
