// What keypad modules ask of the values on the stack and of the curve
// records they fill: the kind of a value, and the release of a record's
// arrays.
#ifndef ORVANA_KEYPAD_SUPPORT_STACK_VALUES_H
#define ORVANA_KEYPAD_SUPPORT_STACK_VALUES_H

#include "keypad.h"
#include "lattix.h"

namespace keypad_support {

// A String with its text storage.
inline bool isString(const Matrix& m) {
    return m.kind == LATTIX_KIND_STRING && m.re != nullptr;
}

// A scalar or a matrix with at least one element and its storage.
inline bool isNumeric(const Matrix& m) {
    return (m.kind == LATTIX_KIND_SCALAR || m.kind == LATTIX_KIND_MATRIX_VALUE) && m.rows > 0 &&
           m.cols > 0 && m.re != nullptr && m.im != nullptr;
}

// Frees every array of a curve record (they come from the platform heap)
// and sets its capacity to 0.
void releaseCurveArrays(KeypadCurve& c);

}  // namespace keypad_support

#endif
