// The least-squares line through the rows (x, y) of data, as a value and as
// a graph trace.
#ifndef ORVANA_STATISTICS_LEAST_SQUARES_H
#define ORVANA_STATISTICS_LEAST_SQUARES_H

#include <cstdint>

#include "keypad.h"
#include "operation_call.h"

namespace statistics {

// y = a x + b, with r the regression coefficient.
struct LineFit {
    double a = 0.0;
    double b = 0.0;
    double r = 0.0;
};

// 0, or 101 (no rows), 102 (one row), 56 (fewer than two columns), 103
// (all x equal: a vertical line).
int32_t fitLine(const Matrix& data, LineFit* fit);

// doGraph for lsq: fills the next curve record with the fitted line at the
// graph's sample positions. Non-zero when it did; 0 leaves the curves alone.
int32_t graphLeastSquares(const double* samples, KeypadCurve* curves, int16_t* traceCount,
                          const OperationCall& call);

}  // namespace statistics

#endif
