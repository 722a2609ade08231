// The storage exports: creating, freeing, reshaping, packing and copying
// values, and matching two operands for element-wise work.
#include <cstring>

#include "lattix.h"
#include "platform/heap.h"
#include "slot_storage.h"
#include "storage_internal.h"

using namespace lattix;

namespace {

// Slots a value's contents occupy: the text for a string, the code for an
// RPN code, the elements otherwise.
size_t neededSlots(const Matrix* m) {
    switch (m->kind) {
        case LATTIX_KIND_STRING:
            return stringSlots(stringLength(m));
        case LATTIX_KIND_RPN_CODE:
            return m->re != nullptr ? 1 : 0;
        default:
            return size_t(m->rows) * m->cols;
    }
}

// Writes text (length units) and its terminator into m's re, which has room.
void storeText(Matrix* m, const char16_t* text, size_t length) {
    auto* dest = reinterpret_cast<char16_t*>(m->re);
    std::memmove(dest, text, length * sizeof(char16_t));
    dest[length] = 0;
}

// Repacks m's arrays to `count` slots, copying `copyBytes` of re and
// `count` slots of im. When the new arrays cannot be had the old ones are
// kept: they still hold the value.
void repack(Matrix* m, size_t count, size_t copyBytes) {
    auto* re = static_cast<double*>(platformHeapAlloc(count * sizeof(double)));
    auto* im = re != nullptr ? static_cast<double*>(platformHeapAlloc(count * sizeof(double)))
                             : nullptr;
    if (re == nullptr || im == nullptr) {
        releaseSlots(re);
        showOutOfMemory();
        return;
    }
    std::memcpy(re, m->re, copyBytes);
    std::memcpy(im, m->im, count * sizeof(double));
    releaseSlots(m->re);
    releaseSlots(m->im);
    m->re = re;
    m->im = im;
    m->capacity = static_cast<uint16_t>(count);
}

}  // namespace

extern "C" {

Matrix* newMatrix(uint16_t rows, uint16_t cols) {
    Matrix* m = allocateRecord();
    if (m == nullptr) return nullptr;
    *m = Matrix{};
    const size_t n = size_t(rows) * cols;
    if (n == 0) return m;
    if (!reallocateArrays(m, n, true)) return m;
    m->rows = rows;
    m->cols = cols;
    m->kind = kindForShape(rows, cols);
    return m;
}

int delMatrix(Matrix* m) {
    if (m == nullptr) return 0;
    releaseSlots(m->re);
    releaseSlots(m->im);
    releaseRecord(m);
    return 1;
}

int resizeMatrix(Matrix* m, uint16_t rows, uint16_t cols) {
    if (m == nullptr) return 0;
    const size_t n = size_t(rows) * cols;
    if (n == 0) {
        makeEmpty(m);
        return 1;
    }
    if (n > m->capacity) {
        if (!reallocateArrays(m, n, true, m->capacity)) return 1;
    }
    m->rows = rows;
    m->cols = cols;
    m->kind = kindForShape(rows, cols);
    return 1;
}

int packMatrix(Matrix* m) {
    if (m == nullptr) return 1;
    if (m->kind == LATTIX_KIND_MATRIX_VALUE) {
        const size_t needed = size_t(m->rows) * m->cols;
        if (needed + 4 < m->capacity) repack(m, needed, needed * sizeof(double));
    } else if (m->kind == LATTIX_KIND_STRING) {
        if (m->re == nullptr) return 1;
        const size_t length = stringLength(m);
        const size_t needed = stringSlots(length);
        if (needed + 4 < m->capacity) {
            repack(m, needed, (length + 1) * sizeof(char16_t));
            reinterpret_cast<char16_t*>(m->re)[length] = 0;
        }
    } else if (m->kind == LATTIX_KIND_SCALAR) {
        if (m->capacity != 1 && m->re != nullptr) repack(m, 1, sizeof(double));
    }
    return 1;
}

int copyMatMatrix(Matrix* dst, const Matrix* src) {
    if (dst == nullptr || src == nullptr) return 0;
    if (dst == src) return 1;
    const size_t needed = neededSlots(src);
    const size_t length = src->kind == LATTIX_KIND_STRING ? stringLength(src) : 0;
    if (dst->capacity < needed) {
        // No slots of the old contents are kept: the copy overwrites them.
        if (!reallocateArrays(dst, needed, false)) return 1;
    }
    dst->rows = src->rows;
    dst->cols = src->cols;
    dst->kind = src->kind;
    if (needed == 0) return 1;
    if (src->kind == LATTIX_KIND_STRING) {
        if (src->re == nullptr)
            storeText(dst, u"", 0);
        else
            storeText(dst, reinterpret_cast<const char16_t*>(src->re), length);
        return 1;
    }
    std::memmove(dst->re, src->re, needed * sizeof(double));
    std::memmove(dst->im, src->im, needed * sizeof(double));
    return 1;
}

int copyValMatrix(Matrix* m, double re, double im) {
    if (m == nullptr) return 0;
    if (m->capacity == 0 || m->re == nullptr) {
        if (!reallocateArrays(m, 1, false)) return 1;
    }
    m->rows = m->cols = 1;
    m->kind = LATTIX_KIND_SCALAR;
    m->re[0] = re;
    m->im[0] = im;
    return 1;
}

int copyStrMatrix(Matrix* m, const char16_t* text) {
    if (m == nullptr || text == nullptr) return 0;
    size_t length = 0;
    while (text[length] != 0) ++length;
    const size_t needed = stringSlots(length);
    if (m->capacity < needed || m->re == nullptr) {
        // The text may lie in m's own arrays, so it is copied into the new
        // arrays before the old ones go.
        Matrix fresh{};
        if (!reallocateArrays(&fresh, needed, false)) {
            makeEmpty(m);
            return 1;
        }
        storeText(&fresh, text, length);
        releaseSlots(m->re);
        releaseSlots(m->im);
        m->re = fresh.re;
        m->im = fresh.im;
        m->capacity = fresh.capacity;
    } else {
        storeText(m, text, length);
    }
    m->rows = m->cols = 0;
    m->kind = LATTIX_KIND_STRING;
    return 1;
}

int copyRPNMatrix(Matrix* m, int code) {
    if (m == nullptr) return 0;
    if (m->capacity == 0 || m->re == nullptr) {
        if (!reallocateArrays(m, 1, false)) return 1;
    }
    m->rows = m->cols = 0;
    m->kind = LATTIX_KIND_RPN_CODE;
    m->re[0] = static_cast<double>(code);
    return 1;
}

uint32_t makeCompatibleVector(Matrix* a, Matrix* b) {
    const ShapeMatch match = matchShapes(a, b);
    return match.storageFailed ? 0 : match.count;
}

}  // extern "C"

namespace lattix {

ShapeMatch matchShapes(Matrix* a, Matrix* b) {
    if (a == nullptr || b == nullptr) return {};
    auto expand = [](Matrix* scalar, const Matrix* shape) -> ShapeMatch {
        const double re = scalar->re[0];
        const double im = scalar->im[0];
        resizeMatrix(scalar, shape->rows, shape->cols);
        const uint32_t n = uint32_t(shape->rows) * shape->cols;
        if (scalar->rows != shape->rows || scalar->cols != shape->cols) return {0, true};
        for (uint32_t k = 0; k < n; ++k) {
            scalar->re[k] = re;
            scalar->im[k] = im;
        }
        return {n, false};
    };
    const uint16_t ka = a->kind;
    const uint16_t kb = b->kind;
    if (ka == LATTIX_KIND_SCALAR && kb == LATTIX_KIND_MATRIX_VALUE) return expand(a, b);
    if (ka == LATTIX_KIND_MATRIX_VALUE && kb == LATTIX_KIND_SCALAR) return expand(b, a);
    if (ka == LATTIX_KIND_MATRIX_VALUE && kb == LATTIX_KIND_MATRIX_VALUE) {
        if (a->rows == b->rows && a->cols == b->cols) return {uint32_t(a->rows) * a->cols, false};
        return {};
    }
    if (ka == LATTIX_KIND_SCALAR && kb == LATTIX_KIND_SCALAR) return {1, false};
    return {};
}

}  // namespace lattix
