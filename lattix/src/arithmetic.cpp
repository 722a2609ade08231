// The four arithmetic operators on whole values, in place on the first
// operand: sums and differences, the matrix product and scaling, quotients.
#include <cstring>

#include "complex_math.h"
#include "lattix.h"
#include "matrix_product.h"
#include "platform/status.h"
#include "slot_storage.h"
#include "storage_internal.h"

using namespace lattix;
using namespace orvana;

namespace {

bool elementwise(int flag) { return (flag & 0xFF) != 0; }

Complex at(const Matrix* m, size_t k) { return {m->re[k], m->im[k]}; }
void put(Matrix* m, size_t k, Complex z) {
    m->re[k] = z.re;
    m->im[k] = z.im;
}

// a becomes a's text followed by b's.
uint16_t concatenate(Matrix* a, const Matrix* b) {
    const size_t la = stringLength(a);
    const size_t lb = stringLength(b);
    const size_t units = la + lb + 1;
    SlotBuffer buffer((units + 3) / 4, true);
    if (!buffer.ok() || isReserve(buffer.data())) return kMatrixTooBig;
    auto* text = reinterpret_cast<char16_t*>(buffer.data());
    if (la > 0) std::memcpy(text, a->re, la * sizeof(char16_t));
    if (lb > 0) std::memcpy(text + la, b->re, lb * sizeof(char16_t));
    text[la + lb] = 0;
    copyStrMatrix(a, text);
    return a->kind == LATTIX_KIND_STRING ? kOk : kMatrixTooBig;
}

// Shared by addMatrix and subMatrix.
uint16_t addOrSubtract(Matrix* a, Matrix* b, int flag, bool subtract) {
    if (a == nullptr || b == nullptr) return kIncompatibleMatrices;
    if (elementwise(flag)) {
        const ShapeMatch match = matchShapes(a, b);
        if (match.storageFailed) return kMatrixTooBig;
        if (match.count == 0) return kIncompatibleMatrices;
    }
    if (a->kind != b->kind) return kIncompatibleMatrices;
    if (a->kind == LATTIX_KIND_STRING) {
        if (subtract) return kIncompatibleMatrices;
        return concatenate(a, b);
    }
    if (subtract && a->kind != LATTIX_KIND_SCALAR && a->kind != LATTIX_KIND_MATRIX_VALUE)
        return kIncompatibleMatrices;
    if (a->rows != b->rows || a->cols != b->cols) return kIncompatibleMatrices;
    const size_t n = size_t(a->rows) * a->cols;
    for (size_t k = 0; k < n; ++k) {
        if (subtract) {
            a->re[k] = a->re[k] - b->re[k];
            a->im[k] = a->im[k] - b->im[k];
        } else {
            a->re[k] = a->re[k] + b->re[k];
            a->im[k] = a->im[k] + b->im[k];
        }
    }
    return kOk;
}

// Every element of m times the scalar s: a real scalar multiplies both parts,
// a complex one gives each element the full complex product.
void scale(Matrix* m, Complex s) {
    const size_t n = size_t(m->rows) * m->cols;
    if (s.im == 0.0) {
        for (size_t k = 0; k < n; ++k) {
            m->re[k] = m->re[k] * s.re;
            m->im[k] = m->im[k] * s.re;
        }
    } else {
        for (size_t k = 0; k < n; ++k) put(m, k, fullProduct(at(m, k), s));
    }
}

uint16_t matrixProduct(Matrix* a, const Matrix* b) {
    if (b->rows != a->cols) return kIncompatibleMatrices;
    TemporaryMatrix result(a->rows, b->cols);
    if (!result.has(a->rows, b->cols)) return kMatrixTooBig;
    const uint16_t status = multiplyComplex(a->re, a->im, b->re, b->im, result->re, result->im,
                                            a->rows, a->cols, b->cols);
    if (status != kOk) return status;
    copyMatMatrix(a, result.get());
    return kOk;
}

}  // namespace

extern "C" {

uint16_t addMatrix(Matrix* a, Matrix* b, int flag) { return addOrSubtract(a, b, flag, false); }

uint16_t subMatrix(Matrix* a, Matrix* b, int flag) { return addOrSubtract(a, b, flag, true); }

uint16_t multMatrix(Matrix* a, Matrix* b, int flag) {
    if (a == nullptr || b == nullptr) return kIncompatibleMatrices;
    if (elementwise(flag)) {
        const ShapeMatch match = matchShapes(a, b);
        if (match.storageFailed) return kMatrixTooBig;
        if (match.count == 0) return kIncompatibleDataTypes;
        for (size_t k = 0; k < match.count; ++k) put(a, k, product(at(a, k), at(b, k)));
        return kOk;
    }
    const uint16_t ka = a->kind;
    const uint16_t kb = b->kind;
    if (ka == LATTIX_KIND_SCALAR && kb == LATTIX_KIND_SCALAR) {
        put(a, 0, product(at(a, 0), at(b, 0)));
        return kOk;
    }
    if (ka == LATTIX_KIND_MATRIX_VALUE && kb == LATTIX_KIND_MATRIX_VALUE)
        return matrixProduct(a, b);
    if (ka == LATTIX_KIND_MATRIX_VALUE && kb == LATTIX_KIND_SCALAR) {
        scale(a, at(b, 0));
        return kOk;
    }
    if (ka == LATTIX_KIND_SCALAR && kb == LATTIX_KIND_MATRIX_VALUE) {
        // The product is formed in b's storage, so b holds it too.
        scale(b, at(a, 0));
        copyMatMatrix(a, b);
        return a->kind == LATTIX_KIND_MATRIX_VALUE ? kOk : kMatrixTooBig;
    }
    return kIncompatibleMatrices;
}

uint16_t divMatrix(Matrix* a, Matrix* b, int flag) {
    if (a == nullptr || b == nullptr) return kIncompatibleMatrices;
    if (elementwise(flag)) {
        const ShapeMatch match = matchShapes(a, b);
        if (match.storageFailed) return kMatrixTooBig;
        if (match.count == 0) return kIncompatibleDataTypes;
        for (size_t k = 0; k < match.count; ++k) {
            const Complex x = at(a, k);
            const Complex y = at(b, k);
            if (zeroDivisor(x, y)) return kDivisionByZero;
            put(a, k, quotient(x, y));
        }
        return kOk;
    }
    if (b->kind != LATTIX_KIND_SCALAR) return kIncompatibleMatrices;
    const Complex s = at(b, 0);
    if (a->kind == LATTIX_KIND_SCALAR) {
        const Complex x = at(a, 0);
        if (zeroDivisor(x, s)) return kDivisionByZero;
        put(a, 0, quotient(x, s));
        return kOk;
    }
    if (a->kind != LATTIX_KIND_MATRIX_VALUE) return kIncompatibleMatrices;
    const size_t n = size_t(a->rows) * a->cols;
    if (s.im == 0.0) {
        // A reciprocal multiply, not a division per element.
        if (s.re == 0.0) return kDivisionByZero;
        const double r = 1.0 / s.re;
        for (size_t k = 0; k < n; ++k) {
            a->re[k] = a->re[k] * r;
            a->im[k] = a->im[k] * r;
        }
        return kOk;
    }
    const double m = s.im * s.im + s.re * s.re;
    if (m == 0.0) return kDivisionByZero;
    for (size_t k = 0; k < n; ++k) {
        const Complex x = at(a, k);
        put(a, k, {(s.im * x.im + s.re * x.re) * (1.0 / m), (s.re * x.im - s.im * x.re) * (1.0 / m)});
    }
    return kOk;
}

}  // extern "C"
