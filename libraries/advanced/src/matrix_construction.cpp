// size, ones, fill and the three ways of joining matrices: augr (rows on top
// of each other), augc (columns side by side) and aug (all elements in one
// column).
#include <cmath>
#include <memory>
#include <string>

#include "operators.h"
#include "stack_arguments.h"

namespace advanced {
namespace {

struct MatrixFree {
    void operator()(Matrix* m) const { delMatrix(m); }
};
using OwnedMatrix = std::unique_ptr<Matrix, MatrixFree>;

// The length of a string value in UTF-16 units, never beyond its storage.
int64_t stringLength(const Matrix& m) {
    const auto* text = reinterpret_cast<const char16_t*>(m.re);
    const int64_t limit = int64_t(m.capacity) * int64_t(sizeof(double) / sizeof(char16_t));
    int64_t n = 0;
    while (n < limit && text[n] != 0) ++n;
    return n;
}

// A rows x cols value for a result, or null when memory ran out.
OwnedMatrix newResult(int64_t rows, int64_t cols) {
    OwnedMatrix m(newMatrix(uint16_t(rows), uint16_t(cols)));
    if (m == nullptr || (rows * cols > 0 && !hasShape(*m, rows, cols))) return nullptr;
    return m;
}

// The joined matrix replaces the first argument.
Status replaceFirst(const Call& call, const Arguments& args, OwnedMatrix result) {
    if (result == nullptr) return kMatrixTooBig;
    copyMatMatrix(&args[0], result.get());
    *call.top = int16_t(args.firstSlot());
    return kOk;
}

Status joinArguments(const Call& call, Arguments& args) {
    if (const Status s = variableArguments(call.stack, call.top, args); s != kOk) return s;
    return args.count() < 2 ? kWrongParameterCount : kOk;
}

}  // namespace

bool hasShape(const Matrix& m, int64_t rows, int64_t cols) {
    return m.rows == rows && m.cols == cols && (rows * cols == 0 || m.re != nullptr);
}

Status sizeOperator(const Call& call) {
    Arguments args(call.stack, 0, 0);
    if (const Status s = fixedArguments(call.stack, call.top, 1, args); s != kOk) return s;
    Matrix& x = args[0];
    double rows = 0.0;
    double cols = 0.0;
    if (isString(x)) {
        cols = double(stringLength(x));
    } else if (x.kind == LATTIX_KIND_SCALAR || x.kind == LATTIX_KIND_MATRIX_VALUE) {
        rows = x.rows;
        cols = x.cols;
    }
    resizeMatrix(&x, 1, 2);
    if (!hasShape(x, 1, 2)) return kMatrixTooBig;
    x.re[0] = rows;
    x.re[1] = cols;
    x.im[0] = x.im[1] = 0.0;
    return kOk;
}

Status onesOperator(const Call& call) {
    Arguments args(call.stack, 0, 0);
    if (const Status s = fixedArguments(call.stack, call.top, 2, args); s != kOk) return s;
    int64_t n = 0;
    int64_t m = 0;
    if (const Status s = truncatedSize(args[0], n); s != kOk) return s;
    if (const Status s = truncatedSize(args[1], m); s != kOk) return s;
    if (n < 0 || m < 0) return kInvalidParameter;
    if (n > kMaxDimension || m > kMaxDimension || n * m > kMaxElements) return kMatrixTooBig;
    Matrix& result = args[0];
    // A size of 0 gives the empty value.
    if (n * m == 0) n = m = 0;
    resizeMatrix(&result, uint16_t(n), uint16_t(m));
    if (!hasShape(result, n, m)) return kMatrixTooBig;
    for (int64_t i = 0; i < n * m; ++i) {
        result.re[i] = 1.0;
        result.im[i] = 0.0;
    }
    *call.top = int16_t(args.firstSlot());
    return kOk;
}

Status fillOperator(const Call& call) {
    Arguments args(call.stack, 0, 0);
    if (const Status s = fixedArguments(call.stack, call.top, 3, args); s != kOk) return s;
    double start = 0.0;
    double step = 0.0;
    double end = 0.0;
    if (const Status s = firstReal(args[0], start); s != kOk) return s;
    if (const Status s = firstReal(args[1], step); s != kOk) return s;
    if (const Status s = firstReal(args[2], end); s != kOk) return s;

    if (step == 0.0) step = 1.0;
    const double steps = (end - start) / step + 1e-10;
    if (std::isnan(steps)) return kInvalidParameter;
    const double c = std::trunc(steps);
    if (std::fabs(c) + 1.0 > double(kMaxDimension)) return kMatrixTooBig;
    const int64_t n = int64_t(std::fabs(c)) + 1;
    // The sign of the step follows the direction only after the count.
    if (start > end && step > 0.0) step = -step;

    Matrix& result = args[0];
    resizeMatrix(&result, uint16_t(n), 1);
    if (!hasShape(result, n, 1)) return kMatrixTooBig;
    for (int64_t i = 0; i < n; ++i) {
        result.re[i] = double(i) * step + start;
        result.im[i] = 0.0;
    }
    *call.top = int16_t(args.firstSlot());
    return kOk;
}

Status augrOperator(const Call& call) {
    Arguments args(call.stack, 0, 0);
    if (const Status s = joinArguments(call, args); s != kOk) return s;
    const Matrix& first = args[0];
    const int64_t cols = first.cols;
    int64_t rows = 0;
    for (int i = 0; i < args.count(); ++i) {
        const Matrix& a = args[i];
        if (a.kind == LATTIX_KIND_STRING || a.cols != cols) return kIncompatibleMatrices;
        rows += a.rows;
    }
    if (rows > kMaxDimension || rows * cols > kMaxElements) return kMatrixTooBig;
    OwnedMatrix result = newResult(rows, cols);
    if (result == nullptr) return kMatrixTooBig;
    int64_t at = 0;
    for (int i = 0; i < args.count(); ++i) {
        const Matrix& a = args[i];
        for (int64_t e = 0; e < int64_t(a.rows) * a.cols; ++e, ++at) {
            result->re[at] = a.re[e];
            result->im[at] = a.im[e];
        }
    }
    return replaceFirst(call, args, std::move(result));
}

Status augcOperator(const Call& call) {
    Arguments args(call.stack, 0, 0);
    if (const Status s = joinArguments(call, args); s != kOk) return s;
    const Matrix& first = args[0];
    const int64_t rows = first.rows;
    int64_t cols = 0;
    for (int i = 0; i < args.count(); ++i) {
        const Matrix& a = args[i];
        if (a.kind == LATTIX_KIND_STRING || a.rows != rows) return kIncompatibleMatrices;
        cols += a.cols;
    }
    if (cols > kMaxDimension || rows * cols > kMaxElements) return kMatrixTooBig;
    OwnedMatrix result = newResult(rows, cols);
    if (result == nullptr) return kMatrixTooBig;
    int64_t at = 0;
    for (int64_t r = 0; r < rows; ++r) {
        for (int i = 0; i < args.count(); ++i) {
            const Matrix& a = args[i];
            for (int64_t c = 0; c < a.cols; ++c, ++at) {
                result->re[at] = a.re[r * a.cols + c];
                result->im[at] = a.im[r * a.cols + c];
            }
        }
    }
    return replaceFirst(call, args, std::move(result));
}

Status augOperator(const Call& call) {
    Arguments args(call.stack, 0, 0);
    if (const Status s = joinArguments(call, args); s != kOk) return s;
    int64_t total = 0;
    for (int i = 0; i < args.count(); ++i) {
        const Matrix& a = args[i];
        if (a.kind == LATTIX_KIND_STRING) return kIncompatibleMatrices;
        total += elementCount(a);
    }
    if (total > kMaxDimension) return kMatrixTooBig;
    OwnedMatrix result = newResult(total, 1);
    if (result == nullptr) return kMatrixTooBig;
    int64_t at = 0;
    for (int i = 0; i < args.count(); ++i) {
        const Matrix& a = args[i];
        for (int64_t e = 0; e < elementCount(a); ++e, ++at) {
            result->re[at] = a.re[e];
            result->im[at] = a.im[e];
        }
    }
    return replaceFirst(call, args, std::move(result));
}

}  // namespace advanced
