// Building and reading values in tests.
#ifndef LATTIX_TESTS_MATRIX_BUILDERS_H
#define LATTIX_TESTS_MATRIX_BUILDERS_H

#include <complex>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "lattix.h"

namespace lattix::testing {

struct MatrixDeleter {
    void operator()(Matrix* m) const {
        if (m != nullptr) delMatrix(m);
    }
};
using MatrixPtr = std::unique_ptr<Matrix, MatrixDeleter>;

inline MatrixPtr real(uint16_t rows, uint16_t cols, std::initializer_list<double> values) {
    MatrixPtr m(newMatrix(rows, cols));
    size_t k = 0;
    for (double v : values) m->re[k++] = v;
    return m;
}

inline MatrixPtr complexMatrix(uint16_t rows, uint16_t cols,
                               std::initializer_list<std::complex<double>> values) {
    MatrixPtr m(newMatrix(rows, cols));
    size_t k = 0;
    for (auto v : values) {
        m->re[k] = v.real();
        m->im[k++] = v.imag();
    }
    return m;
}

inline MatrixPtr scalar(double re, double im = 0.0) {
    MatrixPtr m(newMatrix(1, 1));
    copyValMatrix(m.get(), re, im);
    return m;
}

inline MatrixPtr text(const char16_t* s) {
    MatrixPtr m(newMatrix(0, 0));
    copyStrMatrix(m.get(), s);
    return m;
}

inline std::u16string textOf(const Matrix* m) {
    return std::u16string(reinterpret_cast<const char16_t*>(m->re));
}

inline std::vector<double> realParts(const Matrix* m) {
    return std::vector<double>(m->re, m->re + size_t(m->rows) * m->cols);
}

inline std::vector<double> imagParts(const Matrix* m) {
    return std::vector<double>(m->im, m->im + size_t(m->rows) * m->cols);
}

// Random values; with `complexValues` false every imaginary part is 0.0.
inline MatrixPtr randomMatrix(std::mt19937_64& rng, uint16_t rows, uint16_t cols,
                              bool complexValues) {
    std::uniform_real_distribution<double> dist(-10.0, 10.0);
    MatrixPtr m(newMatrix(rows, cols));
    for (size_t k = 0; k < size_t(rows) * cols; ++k) {
        m->re[k] = dist(rng);
        m->im[k] = complexValues ? dist(rng) : 0.0;
    }
    return m;
}

// Whether two doubles have the same bits. Any two NaNs count as the same: which
// payload a NaN carries depends on the operand order the compiler picked for
// a commutative operation, and no result depends on it.
inline bool sameBits(double x, double y) {
    if (x != x && y != y) return true;
    return std::memcmp(&x, &y, sizeof x) == 0;
}

// Whether two values hold the same shape, kind and bits in every element.
inline bool sameBits(const Matrix* a, const Matrix* b) {
    if (a->rows != b->rows || a->cols != b->cols || a->kind != b->kind) return false;
    const size_t n = size_t(a->rows) * a->cols;
    for (size_t k = 0; k < n; ++k)
        if (!sameBits(a->re[k], b->re[k]) || !sameBits(a->im[k], b->im[k])) return false;
    return true;
}

}  // namespace lattix::testing

#endif
