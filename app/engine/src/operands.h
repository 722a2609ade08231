// Reading operands off the value stack: element counts, first parts, sizes
// and index bounds, guarded so that strings, empty records and non-finite
// numbers never reach an array or an integer conversion they do not fit.
#ifndef ORVANA_ENGINE_OPERANDS_H
#define ORVANA_ENGINE_OPERANDS_H

#include <cmath>
#include <cstdint>
#include <optional>

#include "engine/evaluator.h"
#include "lattix.h"

namespace engine {

inline bool isString(const Matrix& m) { return m.kind == LATTIX_KIND_STRING; }

// Elements a numeric record really holds: 0 for strings, empty records and
// records without arrays.
inline int64_t elementCount(const Matrix& m) {
    if (m.re == nullptr || m.im == nullptr) return 0;
    if (m.kind == LATTIX_KIND_SCALAR) return 1;
    if (m.kind == LATTIX_KIND_MATRIX_VALUE) return int64_t(m.rows) * m.cols;
    return 0;
}

// A variable or answer without a value reads as 0.
inline bool hasNoValue(const Matrix& m) { return m.kind == LATTIX_KIND_EMPTY || m.re == nullptr; }

inline std::optional<double> firstReal(const Matrix& m) {
    if (elementCount(m) < 1) return std::nullopt;
    return m.re[0];
}

// The scalar 0 as a read-only source (never handed to a Lattix function
// that changes its argument), for answers that do not exist yet.
inline const Matrix& zeroValue() {
    static double re = 0.0;
    static double im = 0.0;
    static const Matrix zero{1, 1, LATTIX_KIND_SCALAR, &re, &im, 1};
    return zero;
}

// Truncation toward zero into a range every size and index comparison can
// use without overflow; NaN becomes 0.
inline int64_t truncated(double v) {
    if (!(v == v)) return 0;
    if (v >= 1e12) return int64_t(1e12);
    if (v <= -1e12) return -int64_t(1e12);
    return int64_t(v);
}

inline std::optional<int64_t> truncatedFirst(const Matrix& m) {
    const std::optional<double> v = firstReal(m);
    if (!v) return std::nullopt;
    return truncated(*v);
}

// Sizes asked for by zero, mat and matrix literals: below 1 is 14, beyond
// the element or dimension limit 62.
inline Status checkBuildSize(int64_t rows, int64_t cols) {
    if (rows < 1 || cols < 1) return kInvalidParameter;
    if (rows > kMatrixDimensionLimit || cols > kMatrixDimensionLimit) return kMatrixTooBig;
    if (rows * cols > kMatrixElementLimit) return kMatrixTooBig;
    return kOk;
}

// One index argument: a 1x2 matrix gives a lower and an upper bound, any
// other number one bound used twice (the lone colon's -1 selects all).
struct Bounds {
    int64_t low = 0;
    int64_t high = 0;
};

inline std::optional<Bounds> boundsOf(const Matrix& m) {
    const int64_t n = elementCount(m);
    if (n < 1) return std::nullopt;
    if (m.kind == LATTIX_KIND_MATRIX_VALUE && m.rows == 1 && m.cols == 2)
        return Bounds{truncated(m.re[0]), truncated(m.re[1])};
    const int64_t b = truncated(m.re[0]);
    return Bounds{b, b};
}

// Rows and columns chosen by n index arguments at args[0..n-1]: two give rows
// then columns, one gives the columns with rows 1 to 1.
struct Selection {
    Bounds rows;
    Bounds cols;
};

inline std::optional<Selection> selectionOf(const Matrix* args, int64_t n) {
    if (n == 1) {
        const std::optional<Bounds> c = boundsOf(args[0]);
        if (!c) return std::nullopt;
        return Selection{Bounds{1, 1}, *c};
    }
    const std::optional<Bounds> r = boundsOf(args[0]);
    const std::optional<Bounds> c = boundsOf(args[1]);
    if (!r || !c) return std::nullopt;
    return Selection{*r, *c};
}

}  // namespace engine

#endif
