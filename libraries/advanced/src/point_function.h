// A function of one real variable as the numerical methods see it: in this
// library, a compiled formula run with its variable set to the point.
#ifndef ORVANA_ADVANCED_POINT_FUNCTION_H
#define ORVANA_ADVANCED_POINT_FUNCTION_H

#include <functional>

namespace advanced {

using PointFunction = std::function<double(double)>;

}  // namespace advanced

#endif
