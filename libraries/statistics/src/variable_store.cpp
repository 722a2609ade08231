// Collecting data row by row into a two-column variable ("store") and
// clearing a variable ("clrv").
#include <algorithm>
#include <cmath>
#include <vector>

#include "data_source.h"
#include "operations.h"
#include "operator_codes.h"

namespace statistics {
namespace {

// The highest row number store accepts: the grown storage of (r + 10) rows
// must still fit the 16-bit row count.
constexpr double kLastStoreRow = 32767.0 - 10.0;

struct Pair {
    double re[2] = {0.0, 0.0};
    double im[2] = {0.0, 0.0};
};

// The rows of a variable as two-column data: columns beyond the second are
// dropped and a missing second column reads as 0. Strings and other
// non-numeric values hold no rows.
std::vector<Pair> twoColumnRows(const Matrix& v) {
    const bool numeric = v.kind == LATTIX_KIND_SCALAR || v.kind == LATTIX_KIND_MATRIX_VALUE;
    std::vector<Pair> rows(numeric && v.re != nullptr ? v.rows : 0);
    for (size_t i = 0; i < rows.size(); ++i)
        for (uint16_t c = 0; c < 2 && c < v.cols; ++c) {
            rows[i].re[c] = v.re[i * v.cols + c];
            rows[i].im[c] = v.im[i * v.cols + c];
        }
    return rows;
}

}  // namespace

int32_t clearVariable(const OperationCall& call) {
    const Matrix& name = call.fixed(1, 0);
    if (!isString(name)) return errors::kNotSupported;
    Matrix* variable = nullptr;
    if (const int32_t r = findOrCreateVariable(textOf(name), call.services, &variable); r != 0)
        return r;
    resizeMatrix(variable, 0, 0);
    call.finishFixed(1);
    return 0;
}

int32_t storeRow(const OperationCall& call) {
    const int k = call.variableCount();
    if (k != 3 && k != 4) return errors::kWrongParameterCount;
    const Matrix& number = call.variable(k, 0);
    const Matrix& name = call.variable(k, 1);
    const Matrix& x = k == 4 ? call.variable(k, 2) : number;
    const Matrix& y = call.variable(k, k - 1);
    if (!isScalar(number) || !isScalar(x) || !isScalar(y) || !isString(name))
        return errors::kIncompatibleDataTypes;
    const double n = std::trunc(number.re[0]);
    if (!(n >= 1.0 && n - 1.0 <= kLastStoreRow)) return errors::kInvalidParameter;
    Matrix* variable = nullptr;
    if (const int32_t r = findOrCreateVariable(textOf(name), call.services, &variable); r != 0)
        return r;

    const uint16_t row = uint16_t(n - 1.0);
    // Column 1 holds x, or the row number n when no x was given.
    Pair entry;
    entry.re[0] = k == 4 ? x.re[0] : n;
    entry.im[0] = k == 4 ? x.im[0] : 0.0;
    entry.re[1] = y.re[0];
    entry.im[1] = y.im[0];

    // Storage grows ten rows ahead, so that appending one row at a time
    // reallocates only every tenth row. The variable keeps (row, column)
    // positions: a value of another shape is laid out again as two columns,
    // and rows between its old end and the new row read as 0.
    const bool numeric =
        (variable->kind == LATTIX_KIND_SCALAR || variable->kind == LATTIX_KIND_MATRIX_VALUE) &&
        variable->re != nullptr;
    const bool laidOutAsPairs = numeric && variable->cols == 2;
    const size_t formerRows = numeric ? variable->rows : 0;
    const std::vector<Pair> rows = laidOutAsPairs ? std::vector<Pair>{} : twoColumnRows(*variable);
    if (2u * (row + 1u) >= variable->capacity) {
        if (!shapeResult(*variable, uint16_t(row + 10), 2)) return errors::kMatrixTooBig;
    }
    const uint16_t count = uint16_t(std::max<size_t>(formerRows, size_t(row) + 1));
    if (!shapeResult(*variable, count, 2)) return errors::kMatrixTooBig;
    const size_t from = laidOutAsPairs ? formerRows : 0;
    for (size_t i = from; i < count; ++i) {
        const Pair p = i < rows.size() ? rows[i] : Pair{};
        for (int c = 0; c < 2; ++c) {
            variable->re[2 * i + c] = p.re[c];
            variable->im[2 * i + c] = p.im[c];
        }
    }
    for (int c = 0; c < 2; ++c) {
        variable->re[2 * row + c] = entry.re[c];
        variable->im[2 * row + c] = entry.im[c];
    }
    call.finishVariable(k);
    return 0;
}

}  // namespace statistics
