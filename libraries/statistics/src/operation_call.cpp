#include "operation_call.h"

#include <cmath>

namespace statistics {

int OperationCall::variableCount() const {
    const Matrix& count = stack[*top];
    if (!isScalar(count)) return 0;
    const double k = count.re[0];
    if (!(k >= 1.0 && k <= 14.0) || std::trunc(k) != k || k > *top) return 0;
    return int(k);
}

bool shapeResult(Matrix& m, uint16_t rows, uint16_t cols) {
    resizeMatrix(&m, rows, cols);
    return m.rows == rows && m.cols == cols && (rows == 0 || m.re != nullptr);
}

}  // namespace statistics
