// Simpson's rule on a given number of partitions.
#ifndef ORVANA_ADVANCED_SIMPSON_INTEGRATION_H
#define ORVANA_ADVANCED_SIMPSON_INTEGRATION_H

#include "point_function.h"

namespace advanced {

// The integral of f from a to b on m partitions: an odd m is raised to the
// next even count, and a count below 3 becomes 4.
double simpsonIntegral(const PointFunction& f, double a, double b, long m);

}  // namespace advanced

#endif
