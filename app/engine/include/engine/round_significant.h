// Rounding every real and imaginary part of a value to a number of
// significant digits (the "round" operator and the evaluation flag).
#ifndef ORVANA_ENGINE_ROUND_SIGNIFICANT_H
#define ORVANA_ENGINE_ROUND_SIGNIFICANT_H

#include "lattix.h"

namespace engine {

// In place; zero parts, strings and empty values are left alone. The
// mantissa is taken in [0.05, 10), so the result can keep one digit fewer
// than asked: round(123.456, 3) is 123 but round(0.0012345, 3) is 0.0012.
void roundSignificant(Matrix* m, int digits);

}  // namespace engine

#endif
