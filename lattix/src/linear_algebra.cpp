// The inverse, the determinant and the transpose.
//
// Working storage that cannot be had (the allocator fell back to the shared
// emergency reserve, or found nothing at all) ends the operation with 62
// "Matrix too big" and the operand unchanged: results computed in the
// reserve, which other values may share, would be meaningless.
#include <algorithm>
#include <cstring>
#include <utility>

#include "lattix.h"
#include "lu_decomposition.h"
#include "platform/status.h"
#include "slot_storage.h"

namespace lattix {
namespace {

using namespace orvana;

// A working buffer that holds real storage of its own.
bool usable(SlotBuffer& buffer) {
    return buffer.ok() && !isReserve(buffer.data());
}

// Everything a decomposition of an n x n operand needs.
struct Decomposition {
    explicit Decomposition(size_t n)
        : n(n),
          factors(2 * n * n),
          // permutation (n integers, two to a slot) and n scale factors
          extras(n + (n + 1) / 2) {}

    bool ok() { return usable(factors) && usable(extras); }
    double* re() { return factors.data(); }
    double* im() { return factors.data() + n * n; }
    double* scale() { return extras.data(); }
    uint32_t* permutation() { return reinterpret_cast<uint32_t*>(extras.data() + n); }

    // Decomposes the transpose of the operand's elements.
    uint16_t run(const Matrix* a) {
        transposeInto(n, a->re, a->im, re(), im());
        return decomposeLu(n, re(), im(), permutation(), scale(), &sign);
    }

    size_t n;
    SlotBuffer factors;
    SlotBuffer extras;
    double sign = 1.0;
};

}  // namespace
}  // namespace lattix

using namespace lattix;

extern "C" {

LATTIX_API uint16_t invMatrix(Matrix* a) {
    if (a == nullptr || a->rows != a->cols || a->rows < 1) return kIncompatibleMatrices;
    const size_t n = a->rows;
    Decomposition lu(n);
    SlotBuffer work(inverseWorkSlots(n));
    SlotBuffer scratch((inverseScratchIntegers(n) + 1) / 2);
    if (!lu.ok() || !usable(work) || !usable(scratch)) return kMatrixTooBig;
    const uint16_t status = lu.run(a);
    if (status == kDecompositionFailed || status == kInterrupted) return status;
    if (!invertFromLu(n, lu.re(), lu.im(), lu.permutation(), work.data(),
                      reinterpret_cast<uint32_t*>(scratch.data()), a->re, a->im))
        return kInterrupted;
    return status;
}

LATTIX_API uint16_t detMatrix(const Matrix* a, double* re, double* im) {
    if (a == nullptr || re == nullptr || im == nullptr) return kIncompatibleMatrices;
    if (a->kind != LATTIX_KIND_MATRIX_VALUE || a->rows != a->cols) return kIncompatibleMatrices;
    const size_t n = a->rows;
    Decomposition lu(n);
    if (!lu.ok()) return kMatrixTooBig;
    const uint16_t status = lu.run(a);
    if (status == kInterrupted) return status;
    if (status == 0) {
        determinantFromLu(n, lu.re(), lu.im(), lu.sign, re, im);
    } else {
        *re = 0.0;
        *im = 0.0;
    }
    return 0;
}

LATTIX_API uint16_t transMatrix(Matrix* a) {
    if (a == nullptr) return kIncompatibleMatrices;
    if (a->kind != LATTIX_KIND_SCALAR && a->kind != LATTIX_KIND_MATRIX_VALUE) return kIncompatibleMatrices;
    const size_t rows = a->rows, cols = a->cols;
    if (rows == 1 || cols == 1) {
        std::swap(a->rows, a->cols);
        return 0;
    }
    const size_t count = rows * cols;
    SlotBuffer old(2 * count);
    if (!usable(old)) return kMatrixTooBig;
    double* oldRe = old.data();
    double* oldIm = old.data() + count;
    std::memcpy(oldRe, a->re, count * sizeof(double));
    std::memcpy(oldIm, a->im, count * sizeof(double));
    // Blocks keep both the rows read and the columns written in cache.
    constexpr size_t kBlock = 32;
    for (size_t i0 = 0; i0 < rows; i0 += kBlock)
        for (size_t j0 = 0; j0 < cols; j0 += kBlock)
            for (size_t i = i0; i < std::min(rows, i0 + kBlock); ++i)
                for (size_t j = j0; j < std::min(cols, j0 + kBlock); ++j) {
                    a->re[j * rows + i] = oldRe[i * cols + j];
                    a->im[j * rows + i] = oldIm[i * cols + j];
                }
    std::swap(a->rows, a->cols);
    return 0;
}

}  // extern "C"
