// The one-parameter functions asin to exp on one element.
#ifndef ORVANA_SCIENTIFIC_ELEMENTARY_FUNCTIONS_H
#define ORVANA_SCIENTIFIC_ELEMENTARY_FUNCTIONS_H

#include "complex_math.h"
#include "keypad.h"

namespace scientific {

// Replaces z by the function's value; 0 or an error code (z unchanged then).
// A real z inside the real domain gives the real value with the angle mode
// applied; anything else the complex principal value, in radians.
int32_t applyElementary(OperatorCode op, Complex& z, bool degrees);

}  // namespace scientific

#endif
