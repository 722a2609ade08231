// The built-ins that make new matrices: I, zero, mat, matrix literals, the
// range and the lone colon.
#include "builtins.h"
#include "engine/code_list.h"
#include "engine/evaluator.h"
#include "engine/value_stack.h"
#include "operands.h"
#include "scratch_records.h"

namespace engine {
namespace {

// Fills every element of a freshly resized record: resizing keeps whatever
// the slots held before.
void fill(Matrix& m, double value) {
    const int64_t n = elementCount(m);
    for (int64_t i = 0; i < n; ++i) {
        m.re[i] = value;
        m.im[i] = 0.0;
    }
}

bool resized(Matrix& m, int64_t rows, int64_t cols) {
    resizeMatrix(&m, uint16_t(rows), uint16_t(cols));
    // Lattix leaves the record empty when memory ran out.
    return elementCount(m) == rows * cols;
}

Status identity(const Frame& f) {
    Matrix& x = f.x();
    const std::optional<int64_t> n = truncatedFirst(x);
    if (!n) return kInvalidParameter;
    if (*n < 1) return kMatrixTooBig;
    if (Status s = checkBuildSize(*n, *n); s != kOk) return s;
    if (!resized(x, *n, *n)) return kMatrixTooBig;
    fill(x, 0.0);
    for (int64_t i = 0; i < *n; ++i) x.re[i * *n + i] = 1.0;
    return kOk;
}

Status zero(const Frame& f) {
    const std::optional<int64_t> rows = truncatedFirst(f.y());
    const std::optional<int64_t> cols = truncatedFirst(f.x());
    f.pop();
    if (!rows || !cols) return kInvalidParameter;
    if (Status s = checkBuildSize(*rows, *cols); s != kOk) return s;
    Matrix& y = f.x();
    if (!resized(y, *rows, *cols)) return kMatrixTooBig;
    fill(y, 0.0);
    return kOk;
}

// rows x cols values below the two sizes become one matrix in the slot of
// the first of them.
Status buildFromStack(const Frame& f, std::optional<int64_t> rows, std::optional<int64_t> cols) {
    if (!rows || !cols) return kInvalidParameter;
    if (Status s = checkBuildSize(*rows, *cols); s != kOk) return s;
    const int64_t count = *rows * *cols;
    const int64_t first = int64_t(*f.top) - 1 - count;
    if (first < kFirstValueSlot) return kNotEnoughParameters;
    if (*f.top > kLastValueSlot + 1) return kStackOverflow;

    Matrix* out = buildScratch();
    if (!resized(*out, *rows, *cols)) return kMatrixTooBig;
    for (int64_t k = 0; k < count; ++k) {
        const Matrix& element = f.at(int(first + k));
        if (isString(element)) return kIncompatibleDataTypes;
        // A value without elements (an empty record a library left) adds 0.
        const bool has = elementCount(element) > 0;
        out->re[k] = has ? element.re[0] : 0.0;
        out->im[k] = has ? element.im[0] : 0.0;
    }
    copyMatMatrix(&f.at(int(first)), out);
    *f.top = int16_t(first);
    return kOk;
}

Status buildMatrix(const Frame& f) {
    return buildFromStack(f, truncatedFirst(f.y()), truncatedFirst(f.x()));
}

// '{...}': the element count on top, the row count below it.
Status matrixLiteral(const Frame& f) {
    const std::optional<int64_t> count = truncatedFirst(f.x());
    const std::optional<int64_t> rows = truncatedFirst(f.y());
    if (!count || !rows) return kInvalidParameter;
    if (*rows == 0) return kSyntaxError;
    // Elements beyond rows x (count / rows) stay below and are ignored.
    return buildFromStack(f, rows, *count / *rows);
}

Status range(const Frame& f) {
    const std::optional<double> low = firstReal(f.y());
    const std::optional<double> high = firstReal(f.x());
    f.pop();
    if (!low || !high) return kInvalidParameter;
    Matrix& y = f.x();
    if (!resized(y, 1, 2)) return kMatrixTooBig;
    y.re[0] = std::trunc(*low);
    y.re[1] = std::trunc(*high);
    y.im[0] = y.im[1] = 0.0;
    return kOk;
}

}  // namespace

Status applyMatrixBuilding(uint32_t c, const Frame& f) {
    switch (Code(c)) {
        case Code::Identity: return identity(f);
        case Code::Zero: return zero(f);
        case Code::BuildMatrix: return buildMatrix(f);
        case Code::MatrixLiteral: return matrixLiteral(f);
        case Code::Range: return range(f);
        case Code::AllOfDimension: copyValMatrix(&f.push(), -1.0, 0.0); return kOk;
        default: return kOk;
    }
}

}  // namespace engine
