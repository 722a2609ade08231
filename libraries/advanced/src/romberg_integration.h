// Romberg integration: the trapezoid rule on 10 panels, halved level by
// level, with Richardson extrapolation across each row of the table.
#ifndef ORVANA_ADVANCED_ROMBERG_INTEGRATION_H
#define ORVANA_ADVANCED_ROMBERG_INTEGRATION_H

#include "advanced_codes.h"
#include "point_function.h"

namespace advanced {

// At most this many halvings (2560 panels at the last one).
constexpr int kRombergLevels = 8;

struct Integral {
    double value = 0.0;
    Status status = kOk;  // 0, or 103 when the table ran out of levels
};

// The integral of f from a to b: it stops at the first level whose last two
// extrapolations differ by no more than tol.
Integral rombergIntegral(const PointFunction& f, double a, double b, double tol);

}  // namespace advanced

#endif
