// Reduced row echelon form by Gauss-Jordan elimination with partial
// pivoting, in place on the operand.
//
// Every element sees the same complex products (with the real shortcut) and
// the same additions, in the same order, as in the element-at-a-time loop,
// so the result is bit-identical to it. The speed comes from the order in
// which independent elements are visited: steps are taken in blocks of
// kBlock. Within a block the pivot columns are reduced first, each step's
// factors f_j = -a(j,l) are kept, and the pivot rows are finished one after
// another; then all other rows receive the block's kBlock updates in one
// pass, each element held in a register while its updates are added in
// step order, instead of sweeping the whole matrix once per step.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "complex_lanes.h"
#include "complex_math.h"
#include "lattix.h"
#include "platform/long_work.h"
#include "platform/status.h"
#include "slot_storage.h"

namespace lattix {
namespace {

using namespace orvana;

using namespace lanes;

// product(x, y) on eight lanes for a y that is the same in all of them; lanes
// where both imaginary parts are zero take the real-only product.
LATTIX_INLINE void productLanes(const v8d& xr, const v8d& xi, Complex y, v8d& pr, v8d& pi) {
    const double yr = y.re, yi = y.im;
    v8d rr = xr * yr;
    pr = rr - xi * yi;
    pi = xr * yi + xi * yr;
    if (y.im == 0.0) {
        const v8l both = xi == kZero;
        pr = both ? rr : pr;
        pi = both ? kZero : pi;
    }
}

// s := s + product(f, y) on eight lanes, f the same in all of them. With
// `Shortcut` the caller has found f.im zero, so lanes whose y.im is zero take
// the real-only product; without it no lane can.
template <bool Shortcut>
LATTIX_INLINE void addProduct(v8d& sr, v8d& si, double fr, double fi, const v8d& yr,
                              const v8d& yi) {
    v8d rr = fr * yr;
    v8d pr = rr - fi * yi;
    v8d pi = fr * yi + fi * yr;
    if constexpr (Shortcut) {
        const v8l both = yi == kZero;
        pr = both ? rr : pr;
        pi = both ? kZero : pi;
    }
    sr = sr + pr;
    si = si + pi;
}

constexpr size_t kBlock = 32;

// Row := row times r on [from, to). A template so that it is only compiled
// once inlined into each clone of scaleRow below.
template <int = 0>
LATTIX_INLINE void scaleRowLanes(double* re, double* im, size_t from, size_t to, Complex r) {
    size_t k = from;
    for (; k + 8 <= to; k += 8) {
        v8d pr, pi;
        const v8d xr = load(re + k), xi = load(im + k);
        productLanes(xr, xi, r, pr, pi);
        store(re + k, pr);
        store(im + k, pi);
    }
    for (; k < to; ++k) {
        Complex p = product({re[k], im[k]}, r);
        re[k] = p.re;
        im[k] = p.im;
    }
}

LATTIX_CLONES
void scaleRow(double* re, double* im, size_t from, size_t to, Complex r) {
    scaleRowLanes(re, im, from, to, r);
}

template <bool Shortcut>
LATTIX_INLINE void addScaledRowImpl(double* dRe, double* dIm, Complex f, const double* yRe,
                                    const double* yIm, size_t len) {
    size_t k = 0;
    for (; k + 8 <= len; k += 8) {
        v8d sr = load(dRe + k), si = load(dIm + k);
        const v8d yr = load(yRe + k), yi = load(yIm + k);
        addProduct<Shortcut>(sr, si, f.re, f.im, yr, yi);
        store(dRe + k, sr);
        store(dIm + k, si);
    }
    for (; k < len; ++k) {
        Complex p = product(f, {yRe[k], yIm[k]});
        dRe[k] = dRe[k] + p.re;
        dIm[k] = dIm[k] + p.im;
    }
}

// Every row j but l: f = -a(j,l), row j += f row l on (l, to), a(j,l) = 0.
// With fRe given, f is also kept at fRe[j * kBlock] / fIm[j * kBlock].
LATTIX_CLONES
void eliminate(double* re, double* im, size_t rows, size_t cols, size_t l, size_t to, double* fRe,
               double* fIm) {
    const double* lRe = re + l * cols + l + 1;
    const double* lIm = im + l * cols + l + 1;
    const size_t width = to - (l + 1);
    for (size_t j = 0; j < rows; ++j) {
        if (j == l) continue;
        double* dRe = re + j * cols;
        double* dIm = im + j * cols;
        const Complex f{-dRe[l], -dIm[l]};
        if (fRe != nullptr) {
            fRe[j * kBlock] = f.re;
            fIm[j * kBlock] = f.im;
        }
        if (f.im == 0.0)
            addScaledRowImpl<true>(dRe + l + 1, dIm + l + 1, f, lRe, lIm, width);
        else
            addScaledRowImpl<false>(dRe + l + 1, dIm + l + 1, f, lRe, lIm, width);
        dRe[l] = 0.0;
        dIm[l] = 0.0;
    }
}

// d[k] += product(f, y[k]) for k < len.
LATTIX_CLONES
void addScaledRow(double* dRe, double* dIm, Complex f, const double* yRe, const double* yIm,
                  size_t len) {
    if (f.im == 0.0)
        addScaledRowImpl<true>(dRe, dIm, f, yRe, yIm, len);
    else
        addScaledRowImpl<false>(dRe, dIm, f, yRe, yIm, len);
}

// One Gauss-Jordan step restricted to the columns [l, to): pivot choice,
// exchange of columns [l, cols), scaling of the pivot row and elimination of
// column l from every other row, keeping the factors where fRe points.
// Returns false when column l has no usable pivot.
template <typename Exchange>
LATTIX_INLINE bool step(double* re, double* im, size_t rows, size_t cols, size_t l, size_t to,
                        Complex* pivotScale, Exchange exchange, double* fRe, double* fIm) {
    // The first of equal maxima wins, and a zero element never does.
    double big = 0.0;
    size_t p = rows;
    for (size_t i = l; i < rows; ++i) {
        double t = modulus({re[i * cols + l], im[i * cols + l]});
        if (t > big) {
            big = t;
            p = i;
        }
    }
    if (p == rows) return false;
    if (p != l) {
        for (size_t k = l; k < cols; ++k) {
            std::swap(re[p * cols + k], re[l * cols + k]);
            std::swap(im[p * cols + k], im[l * cols + k]);
        }
        exchange(p, l);
    }
    double* lRe = re + l * cols;
    double* lIm = im + l * cols;
    const Complex r = quotient({1.0, 0.0}, {lRe[l], lIm[l]});
    *pivotScale = r;
    scaleRow(lRe, lIm, l + 1, to, r);
    lRe[l] = 1.0;
    lIm[l] = 0.0;
    eliminate(re, im, rows, cols, l, to, fRe, fIm);
    return true;
}

// Whole steps one at a time, for when the block's storage cannot be had.
uint16_t reduceStepByStep(double* re, double* im, size_t rows, size_t cols) {
    Complex r;
    for (size_t l = 0; l < rows; ++l) {
        if (platformLongWorkPoll(rows * cols) != 0) return kInterrupted;
        if (!step(
                re, im, rows, cols, l, cols, &r, [](size_t, size_t) {}, nullptr, nullptr))
            return kMatrixSingular;
    }
    return 0;
}

// The block's factors and finished pivot rows.
struct BlockStorage {
    BlockStorage(size_t rows, size_t cols)
        : rows(rows), cols(cols), slots(2 * kBlock * (rows + cols)) {}
    bool ok() { return slots.ok() && !isReserve(slots.data()); }
    // F(j, t): the factor of row j at step t of the block, row by row.
    double* fRe() { return slots.data(); }
    double* fIm() { return slots.data() + kBlock * rows; }
    // P(t, k): pivot row t of the block, as scaled at its own step, from the
    // first column after the block on.
    double* pRe() { return slots.data() + 2 * kBlock * rows; }
    double* pIm() { return slots.data() + 2 * kBlock * rows + kBlock * cols; }

    size_t rows, cols;
    SlotBuffer slots;
};

// a(j, k) += sum over t in [0, steps) of F(j,t) P(t,k) for the MR rows from j0
// and the 8 * NV columns from k0 (P's column k - from), held in registers.
template <int MR, int NV, bool Shortcut>
LATTIX_INLINE void addTile(double* re, double* im, size_t cols, size_t j0, size_t k0,
                           const double* fRe, const double* fIm, const double* pRe,
                           const double* pIm, size_t width, size_t from, size_t steps) {
    v8d sr[MR][NV], si[MR][NV];
#pragma GCC unroll 4
    for (int r = 0; r < MR; ++r)
#pragma GCC unroll 2
        for (int v = 0; v < NV; ++v) {
            sr[r][v] = load(re + (j0 + r) * cols + k0 + 8 * v);
            si[r][v] = load(im + (j0 + r) * cols + k0 + 8 * v);
        }
    for (size_t t = 0; t < steps; ++t) {
        v8d yr[NV], yi[NV];
#pragma GCC unroll 2
        for (int v = 0; v < NV; ++v) {
            yr[v] = load(pRe + t * width + k0 - from + 8 * v);
            yi[v] = load(pIm + t * width + k0 - from + 8 * v);
        }
#pragma GCC unroll 4
        for (int r = 0; r < MR; ++r) {
            const double fr = fRe[(j0 + r) * kBlock + t];
            const double fi = fIm[(j0 + r) * kBlock + t];
#pragma GCC unroll 2
            for (int v = 0; v < NV; ++v) {
                if constexpr (Shortcut) {
                    // Only the lanes of rows whose factor is real may shortcut.
                    if (fi == 0.0)
                        addProduct<true>(sr[r][v], si[r][v], fr, fi, yr[v], yi[v]);
                    else
                        addProduct<false>(sr[r][v], si[r][v], fr, fi, yr[v], yi[v]);
                } else {
                    addProduct<false>(sr[r][v], si[r][v], fr, fi, yr[v], yi[v]);
                }
            }
        }
    }
#pragma GCC unroll 4
    for (int r = 0; r < MR; ++r)
#pragma GCC unroll 2
        for (int v = 0; v < NV; ++v) {
            store(re + (j0 + r) * cols + k0 + 8 * v, sr[r][v]);
            store(im + (j0 + r) * cols + k0 + 8 * v, si[r][v]);
        }
}

template <int MR, bool Shortcut>
LATTIX_INLINE void addRowBlock(double* re, double* im, size_t cols, size_t j0, const double* fRe,
                               const double* fIm, const double* pRe, const double* pIm, size_t from,
                               size_t steps) {
    const size_t width = cols - from;
    size_t k = from;
    for (; k + 16 <= cols; k += 16)
        addTile<MR, 2, Shortcut>(re, im, cols, j0, k, fRe, fIm, pRe, pIm, width, from, steps);
    if (k + 8 <= cols) {
        addTile<MR, 1, Shortcut>(re, im, cols, j0, k, fRe, fIm, pRe, pIm, width, from, steps);
        k += 8;
    }
    for (size_t j = j0; j < j0 + MR; ++j)
        for (size_t kk = k; kk < cols; ++kk) {
            Complex s{re[j * cols + kk], im[j * cols + kk]};
            for (size_t t = 0; t < steps; ++t) {
                Complex p = product({fRe[j * kBlock + t], fIm[j * kBlock + t]},
                                    {pRe[t * width + kk - from], pIm[t * width + kk - from]});
                s.re = s.re + p.re;
                s.im = s.im + p.im;
            }
            re[j * cols + kk] = s.re;
            im[j * cols + kk] = s.im;
        }
}

template <int MR>
LATTIX_INLINE void addRowBlockDispatch(double* re, double* im, size_t cols, size_t j0,
                                       const double* fRe, const double* fIm, const double* pRe,
                                       const double* pIm, size_t from, size_t steps) {
    bool anyReal = false;
    for (size_t j = j0; j < j0 + MR; ++j)
        for (size_t t = 0; t < steps; ++t) anyReal |= fIm[j * kBlock + t] == 0.0;
    if (anyReal)
        addRowBlock<MR, true>(re, im, cols, j0, fRe, fIm, pRe, pIm, from, steps);
    else
        addRowBlock<MR, false>(re, im, cols, j0, fRe, fIm, pRe, pIm, from, steps);
}

// Rows [jBegin, jEnd), columns [from, cols): the block's updates.
LATTIX_CLONES
void addBlockUpdates(double* re, double* im, size_t cols, size_t jBegin, size_t jEnd,
                     const double* fRe, const double* fIm, const double* pRe, const double* pIm,
                     size_t from, size_t steps) {
    size_t j = jBegin;
    for (; j + 4 <= jEnd; j += 4)
        addRowBlockDispatch<4>(re, im, cols, j, fRe, fIm, pRe, pIm, from, steps);
    for (; j < jEnd; ++j) addRowBlockDispatch<1>(re, im, cols, j, fRe, fIm, pRe, pIm, from, steps);
}

// Steps [l0, l0 + steps) applied to the columns [from, cols) that the block
// left alone, given the factors F, the pivot scales r and the exchanges
// already made.
void finishBlock(double* re, double* im, size_t rows, size_t cols, size_t l0, size_t steps,
                 size_t from, const Complex* r, BlockStorage& block) {
    const size_t width = cols - from;
    if (width == 0 || steps == 0) return;
    double* fRe = block.fRe();
    double* fIm = block.fIm();
    double* pRe = block.pRe();
    double* pIm = block.pIm();
    // Pivot row l takes the steps before its own, is scaled at its own step
    // (that is the row the later steps use), then takes the steps after it.
    for (size_t t = 0; t < steps; ++t) {
        const size_t l = l0 + t;
        double* xRe = re + l * cols + from;
        double* xIm = im + l * cols + from;
        for (size_t u = 0; u < t; ++u)
            addScaledRow(xRe, xIm, {fRe[l * kBlock + u], fIm[l * kBlock + u]}, pRe + u * width,
                         pIm + u * width, width);
        scaleRow(xRe, xIm, 0, width, r[t]);
        std::memcpy(pRe + t * width, xRe, width * sizeof(double));
        std::memcpy(pIm + t * width, xIm, width * sizeof(double));
    }
    for (size_t t = 0; t + 1 < steps; ++t) {
        const size_t l = l0 + t;
        for (size_t u = t + 1; u < steps; ++u)
            addScaledRow(re + l * cols + from, im + l * cols + from,
                         {fRe[l * kBlock + u], fIm[l * kBlock + u]}, pRe + u * width,
                         pIm + u * width, width);
    }
    addBlockUpdates(re, im, cols, 0, l0, fRe, fIm, pRe, pIm, from, steps);
    addBlockUpdates(re, im, cols, l0 + steps, rows, fRe, fIm, pRe, pIm, from, steps);
}

uint16_t reduceInBlocks(double* re, double* im, size_t rows, size_t cols, BlockStorage& block) {
    double* fRe = block.fRe();
    double* fIm = block.fIm();
    Complex r[kBlock];
    for (size_t l0 = 0; l0 < rows; l0 += kBlock) {
        const size_t l1 = std::min(rows, l0 + kBlock);
        if (platformLongWorkPoll(rows * cols * (l1 - l0)) != 0) return kInterrupted;
        // The factors belong to the row's contents, which exchanges move.
        auto exchange = [&](size_t p, size_t l) {
            for (size_t u = 0; u < l - l0; ++u) {
                std::swap(fRe[p * kBlock + u], fRe[l * kBlock + u]);
                std::swap(fIm[p * kBlock + u], fIm[l * kBlock + u]);
            }
        };
        for (size_t l = l0; l < l1; ++l) {
            const size_t t = l - l0;
            if (!step(re, im, rows, cols, l, l1, &r[t], exchange, fRe + t, fIm + t)) {
                finishBlock(re, im, rows, cols, l0, t, l1, r, block);
                return kMatrixSingular;
            }
        }
        finishBlock(re, im, rows, cols, l0, l1 - l0, l1, r, block);
    }
    return 0;
}

}  // namespace
}  // namespace lattix

using namespace lattix;

extern "C" LATTIX_API uint16_t rrefMatrix(Matrix* a) {
    if (a == nullptr || a->kind != LATTIX_KIND_MATRIX_VALUE || a->rows >= a->cols) return 51;
    const size_t rows = a->rows, cols = a->cols;
    BlockStorage block(rows, cols);
    if (!block.ok()) return reduceStepByStep(a->re, a->im, rows, cols);
    return reduceInBlocks(a->re, a->im, rows, cols, block);
}
