// One call of doOperation as the operators see it: the value stack, its top
// index and the engine services, with the parameter layouts of the
// fixed-count and variable-count functions.
#ifndef ORVANA_STATISTICS_OPERATION_CALL_H
#define ORVANA_STATISTICS_OPERATION_CALL_H

#include <cstdint>

#include "keypad.h"
#include "lattix.h"

namespace statistics {

struct OperationCall {
    OperatorCode op;
    int32_t angleMode;
    int32_t elementwise;
    Matrix* stack;
    int16_t* top;
    const HostServices* services;

    // Parameter i (from 0) of a function with `count` fixed parameters:
    // parameter 1 lies at top - count + 1.
    Matrix& fixed(int count, int i) const { return stack[*top - count + 1 + i]; }
    // The result stays in parameter 1's entry; the others are dropped.
    void finishFixed(int count) const { *top = int16_t(*top - count + 1); }

    // The count a variable-count function finds on top, or 0 when the top
    // entry is not a whole number from 1 to 14.
    int variableCount() const;
    // Parameter i (from 0) of a variable-count function with k parameters.
    Matrix& variable(int k, int i) const { return stack[*top - k + i]; }
    void finishVariable(int k) const { *top = int16_t(*top - k); }
};

inline bool isScalar(const Matrix& m) {
    return m.kind == LATTIX_KIND_SCALAR;
}
inline bool isString(const Matrix& m) {
    return m.kind == LATTIX_KIND_STRING && m.re != nullptr;
}
inline const char16_t* textOf(const Matrix& m) {
    return reinterpret_cast<const char16_t*>(m.re);
}

// Gives m the shape rows x cols; false when the storage could not be had.
bool shapeResult(Matrix& m, uint16_t rows, uint16_t cols);

}  // namespace statistics

#endif
