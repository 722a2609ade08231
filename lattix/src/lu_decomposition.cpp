#include "lu_decomposition.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "complex_lanes.h"
#include "complex_math.h"
#include "platform/long_work.h"
#include "platform/status.h"

namespace lattix {
namespace {

using namespace orvana;

using namespace lanes;

// s := s - product(x, y) on eight lanes, x the same in all of them. With
// `Shortcut`, lanes where both imaginary parts are zero take the real-only
// product (imaginary part +0.0) exactly as the scalar product does; without
// it the caller knows x.im is not zero, so no lane can take it.
template <bool Shortcut>
LATTIX_INLINE void subtractProduct(v8d& sr, v8d& si, double xr, double xi, const v8d& yr,
                                   const v8d& yi) {
    v8d rr = xr * yr;
    v8d pr = rr - xi * yi;
    v8d pi = xr * yi + xi * yr;
    if constexpr (Shortcut) {
        const long long xZero = xi == 0.0 ? -1 : 0;
        const v8l both = (yi == kZero) & xZero;
        pr = both ? rr : pr;
        pi = both ? kZero : pi;
    }
    sr = sr - pr;
    si = si - pi;
}

LATTIX_INLINE Complex at(const double* re, const double* im, size_t k) {
    return {re[k], im[k]};
}

// dst[l] -= product(x, y[l]) for l < len.
template <bool Shortcut>
LATTIX_INLINE void subtractScaledRowImpl(double* dRe, double* dIm, Complex x, const double* yRe,
                                         const double* yIm, size_t len) {
    size_t l = 0;
    for (; l + 8 <= len; l += 8) {
        v8d sr = load(dRe + l), si = load(dIm + l);
        subtractProduct<Shortcut>(sr, si, x.re, x.im, load(yRe + l), load(yIm + l));
        store(dRe + l, sr);
        store(dIm + l, si);
    }
    for (; l < len; ++l) {
        Complex p = product(x, at(yRe, yIm, l));
        dRe[l] = dRe[l] - p.re;
        dIm[l] = dIm[l] - p.im;
    }
}

// Step j's rank-one update inside the panel: rows below j, columns (j, j1).
LATTIX_CLONES
void updatePanel(double* re, double* im, size_t n, size_t j, size_t j1) {
    const size_t width = j1 - (j + 1);
    const double* yRe = re + j * n + j + 1;
    const double* yIm = im + j * n + j + 1;
    for (size_t i = j + 1; i < n; ++i) {
        const Complex x = at(re, im, i * n + j);
        double* dRe = re + i * n + j + 1;
        double* dIm = im + i * n + j + 1;
        if (x.im == 0.0)
            subtractScaledRowImpl<true>(dRe, dIm, x, yRe, yIm, width);
        else
            subtractScaledRowImpl<false>(dRe, dIm, x, yRe, yIm, width);
    }
}

// C(i, l) -= sum over k in [k0, k1) of B(i, k) B(k, l) for the MR rows from
// i0 and the 8 * NV columns from l0, all held in registers across k.
template <int MR, int NV, bool Shortcut>
LATTIX_INLINE void updateTile(double* re, double* im, size_t n, size_t i0, size_t l0, size_t k0,
                              size_t k1) {
    v8d cr[MR][NV], ci[MR][NV];
#pragma GCC unroll 4
    for (int r = 0; r < MR; ++r)
#pragma GCC unroll 2
        for (int v = 0; v < NV; ++v) {
            cr[r][v] = load(re + (i0 + r) * n + l0 + 8 * v);
            ci[r][v] = load(im + (i0 + r) * n + l0 + 8 * v);
        }
    for (size_t k = k0; k < k1; ++k) {
        v8d yr[NV], yi[NV];
#pragma GCC unroll 2
        for (int v = 0; v < NV; ++v) {
            yr[v] = load(re + k * n + l0 + 8 * v);
            yi[v] = load(im + k * n + l0 + 8 * v);
        }
#pragma GCC unroll 4
        for (int r = 0; r < MR; ++r) {
            const double xr = re[(i0 + r) * n + k];
            const double xi = im[(i0 + r) * n + k];
#pragma GCC unroll 2
            for (int v = 0; v < NV; ++v)
                subtractProduct<Shortcut>(cr[r][v], ci[r][v], xr, xi, yr[v], yi[v]);
        }
    }
#pragma GCC unroll 4
    for (int r = 0; r < MR; ++r)
#pragma GCC unroll 2
        for (int v = 0; v < NV; ++v) {
            store(re + (i0 + r) * n + l0 + 8 * v, cr[r][v]);
            store(im + (i0 + r) * n + l0 + 8 * v, ci[r][v]);
        }
}

// The columns right of the last whole vector, one element at a time.
LATTIX_INLINE void updateTailColumns(double* re, double* im, size_t n, size_t i0, size_t rows,
                                     size_t l0, size_t k0, size_t k1) {
    for (size_t i = i0; i < i0 + rows; ++i)
        for (size_t l = l0; l < n; ++l) {
            Complex s = at(re, im, i * n + l);
            for (size_t k = k0; k < k1; ++k) {
                Complex p = product(at(re, im, i * n + k), at(re, im, k * n + l));
                s.re = s.re - p.re;
                s.im = s.im - p.im;
            }
            re[i * n + l] = s.re;
            im[i * n + l] = s.im;
        }
}

template <int MR, bool Shortcut>
LATTIX_INLINE void updateRowBlock(double* re, double* im, size_t n, size_t i0, size_t lStart,
                                  size_t k0, size_t k1) {
    size_t l = lStart;
    for (; l + 16 <= n; l += 16) updateTile<MR, 2, Shortcut>(re, im, n, i0, l, k0, k1);
    if (l + 8 <= n) {
        updateTile<MR, 1, Shortcut>(re, im, n, i0, l, k0, k1);
        l += 8;
    }
    if (l < n) updateTailColumns(re, im, n, i0, MR, l, k0, k1);
}

template <int MR>
LATTIX_INLINE void updateRowBlockDispatch(double* re, double* im, size_t n, size_t i0,
                                          size_t lStart, size_t k0, size_t k1) {
    bool anyReal = false;
    for (int r = 0; r < MR; ++r)
        for (size_t k = k0; k < k1; ++k) anyReal |= im[(i0 + r) * n + k] == 0.0;
    if (anyReal)
        updateRowBlock<MR, true>(re, im, n, i0, lStart, k0, k1);
    else
        updateRowBlock<MR, false>(re, im, n, i0, lStart, k0, k1);
}

// Rows [iBegin, iEnd), columns [lStart, n): subtract the terms k in [k0, k1).
LATTIX_CLONES
void updateTrailing(double* re, double* im, size_t n, size_t iBegin, size_t iEnd, size_t lStart,
                    size_t k0, size_t k1) {
    size_t i = iBegin;
    for (; i + 4 <= iEnd; i += 4) updateRowBlockDispatch<4>(re, im, n, i, lStart, k0, k1);
    switch (iEnd - i) {
        case 3:
            updateRowBlockDispatch<3>(re, im, n, i, lStart, k0, k1);
            break;
        case 2:
            updateRowBlockDispatch<2>(re, im, n, i, lStart, k0, k1);
            break;
        case 1:
            updateRowBlockDispatch<1>(re, im, n, i, lStart, k0, k1);
            break;
        default:
            break;
    }
}

// Rows of the upper factor right of the panel [j0, j1): row i takes the
// terms k in [j0, i), and needs rows j0..i-1 finished first.
LATTIX_CLONES
void solveUpperRows(double* re, double* im, size_t n, size_t j0, size_t j1) {
    for (size_t i = j0 + 1; i < j1; ++i) updateRowBlockDispatch<1>(re, im, n, i, j1, j0, i);
}

constexpr size_t kPanel = 48;

// Steps j0..j1-1 on the columns of the panel only: pivot choice, exchange of
// whole lines, scaling of the column, and the rank-one update inside the panel.
uint16_t factorPanel(size_t n, double* re, double* im, double* scale, uint32_t* permutation,
                     double* sign, size_t j0, size_t j1) {
    uint16_t status = 0;
    for (size_t j = j0; j < j1; ++j) {
        double big = 0.0;
        size_t p = j;
        for (size_t i = j; i < n; ++i) {
            double t = scale[i] * modulus(at(re, im, i * n + j));
            if (t >= big) {
                big = t;
                p = i;
            }
        }
        if (p != j) {
            for (size_t k = 0; k < n; ++k) {
                std::swap(re[p * n + k], re[j * n + k]);
                std::swap(im[p * n + k], im[j * n + k]);
            }
            *sign = -*sign;
            scale[p] = scale[j];
        }
        permutation[j] = static_cast<uint32_t>(p);
        if (modulus(at(re, im, j * n + j)) < kSmallestPivot) {
            status = kMatrixSingular;
            re[j * n + j] = kSmallestPivot;
            im[j * n + j] = 0.0;
        }
        if (j + 1 < n) {
            Complex r = quotient({1.0, 0.0}, at(re, im, j * n + j));
            for (size_t i = j + 1; i < n; ++i) {
                Complex z = product(at(re, im, i * n + j), r);
                re[i * n + j] = z.re;
                im[i * n + j] = z.im;
            }
        }
        if (j + 1 < j1) updatePanel(re, im, n, j, j1);
    }
    return status;
}

// The inverse solves for all n unit vectors together, kLanes of them at a
// time in a panel that stays in cache: panel row k holds element k of each
// of the panel's solutions side by side.
constexpr size_t kLanes = 32;
constexpr int kVectors = kLanes / 8;

// Per-row flags: whether the row has an element with imaginary part zero
// left of the diagonal (kLowerReal) or right of it (kUpperReal); only such
// rows can meet the real shortcut of the product.
constexpr uint32_t kLowerReal = 1;
constexpr uint32_t kUpperReal = 2;

LATTIX_INLINE v8l laneIndex(int v) {
    v8l idx = {0, 1, 2, 3, 4, 5, 6, 7};
    return idx + 8 * v;
}

// Forward pass, row i, for the panel whose solutions start at sorted
// positions c0, c0+1, ...: lane c gets 0 - sum over k from c0 + c to i - 1 of
// B(i,k) v(k), nothing before its own start, and 1 at its start.
template <bool Shortcut>
LATTIX_INLINE void forwardRow(const double* re, const double* im, size_t n, size_t c0, size_t i,
                              double* pRe, double* pIm) {
    v8d sr[kVectors], si[kVectors];
#pragma GCC unroll 4
    for (int v = 0; v < kVectors; ++v) sr[v] = si[v] = kZero;
    const double* bRe = re + i * n;
    const double* bIm = im + i * n;
    const size_t maskedEnd = std::min(i, c0 + kLanes - 1);
    size_t k = c0;
    for (; k < maskedEnd; ++k) {
        const double xr = bRe[k], xi = bIm[k];
        const long long started = static_cast<long long>(k - c0);
#pragma GCC unroll 4
        for (int v = 0; v < kVectors; ++v) {
            v8d tr = sr[v], ti = si[v];
            subtractProduct<Shortcut>(tr, ti, xr, xi, load(pRe + k * kLanes + 8 * v),
                                      load(pIm + k * kLanes + 8 * v));
            const v8l active = laneIndex(v) <= started;
            sr[v] = active ? tr : sr[v];
            si[v] = active ? ti : si[v];
        }
    }
    for (; k < i; ++k) {
        const double xr = bRe[k], xi = bIm[k];
#pragma GCC unroll 4
        for (int v = 0; v < kVectors; ++v)
            subtractProduct<Shortcut>(sr[v], si[v], xr, xi, load(pRe + k * kLanes + 8 * v),
                                      load(pIm + k * kLanes + 8 * v));
    }
#pragma GCC unroll 4
    for (int v = 0; v < kVectors; ++v) {
        store(pRe + i * kLanes + 8 * v, sr[v]);
        store(pIm + i * kLanes + 8 * v, si[v]);
    }
    if (i < c0 + kLanes) pRe[i * kLanes + (i - c0)] = 1.0;
}

// Backward pass, row i: s = v(i) - sum over k from i + 1 to n - 1 of
// B(i,k) v(k), then v(i) = s / B(i,i), in every lane.
template <bool Shortcut>
LATTIX_INLINE void backwardRow(const double* re, const double* im, size_t n, size_t i, double* pRe,
                               double* pIm) {
    v8d sr[kVectors], si[kVectors];
#pragma GCC unroll 4
    for (int v = 0; v < kVectors; ++v) {
        sr[v] = load(pRe + i * kLanes + 8 * v);
        si[v] = load(pIm + i * kLanes + 8 * v);
    }
    const double* bRe = re + i * n;
    const double* bIm = im + i * n;
    for (size_t k = i + 1; k < n; ++k) {
        const double xr = bRe[k], xi = bIm[k];
#pragma GCC unroll 4
        for (int v = 0; v < kVectors; ++v)
            subtractProduct<Shortcut>(sr[v], si[v], xr, xi, load(pRe + k * kLanes + 8 * v),
                                      load(pIm + k * kLanes + 8 * v));
    }
    const Complex y = at(re, im, i * n + i);
    const double m = y.im * y.im + y.re * y.re;
    const double r = 1.0 / m;
    const double yr = y.re, yi = y.im;
#pragma GCC unroll 4
    for (int v = 0; v < kVectors; ++v) {
        v8d qr = (yi * si[v] + yr * sr[v]) * r;
        v8d qi = (si[v] * yr - yi * sr[v]) * r;
        if (y.im == 0.0) {
            const v8l real = si[v] == kZero;
            qr = real ? sr[v] / yr : qr;
            qi = real ? kZero : qi;
        }
        store(pRe + i * kLanes + 8 * v, qr);
        store(pIm + i * kLanes + 8 * v, qi);
    }
}

LATTIX_CLONES
void forwardPanel(const double* re, const double* im, size_t n, const uint32_t* flags, size_t c0,
                  double* pRe, double* pIm) {
    for (size_t i = c0; i < n; ++i) {
        if (flags[i] & kLowerReal)
            forwardRow<true>(re, im, n, c0, i, pRe, pIm);
        else
            forwardRow<false>(re, im, n, c0, i, pRe, pIm);
    }
}

LATTIX_CLONES
void backwardPanel(const double* re, const double* im, size_t n, const uint32_t* flags, double* pRe,
                   double* pIm) {
    for (size_t i = n; i-- > 0;) {
        if (flags[i] & kUpperReal)
            backwardRow<true>(re, im, n, i, pRe, pIm);
        else
            backwardRow<false>(re, im, n, i, pRe, pIm);
    }
}

}  // namespace

size_t inverseWorkSlots(size_t n) {
    return 2 * n * kLanes;
}
size_t inverseScratchIntegers(size_t n) {
    return 2 * n;
}

bool invertFromLu(size_t n, const double* re, const double* im, const uint32_t* permutation,
                  double* work, uint32_t* scratch, double* outRe, double* outIm) {
    // Before its first non-zero element a right-hand side is only permuted,
    // so unit vector r starts at the position the exchanges carry it to, and
    // order[c] is the unit vector whose solution starts at position c.
    uint32_t* order = scratch;
    uint32_t* flags = scratch + n;
    for (size_t k = 0; k < n; ++k) order[k] = static_cast<uint32_t>(k);
    for (size_t i = 0; i < n; ++i) std::swap(order[i], order[permutation[i]]);
    for (size_t i = 0; i < n; ++i) {
        uint32_t f = 0;
        for (size_t k = 0; k < n; ++k)
            if (im[i * n + k] == 0.0) f |= k < i ? kLowerReal : (k > i ? kUpperReal : 0);
        flags[i] = f;
    }
    double* pRe = work;
    double* pIm = work + n * kLanes;
    for (size_t c0 = 0; c0 < n; c0 += kLanes) {
        if (platformLongWorkPoll(n * n * kLanes) != 0) return false;
        std::fill(pRe, pRe + c0 * kLanes, 0.0);
        std::fill(pIm, pIm + c0 * kLanes, 0.0);
        forwardPanel(re, im, n, flags, c0, pRe, pIm);
        backwardPanel(re, im, n, flags, pRe, pIm);
        const size_t lanes = std::min(kLanes, n - c0);
        for (size_t lane = 0; lane < lanes; ++lane) {
            const size_t row = order[c0 + lane];
            for (size_t m = 0; m < n; ++m) {
                outRe[row * n + m] = pRe[m * kLanes + lane];
                outIm[row * n + m] = pIm[m * kLanes + lane];
            }
        }
    }
    return true;
}

void determinantFromLu(size_t n, const double* re, const double* im, double sign, double* detRe,
                       double* detIm) {
    Complex det{sign, 0.0};
    for (size_t j = 0; j < n; ++j) det = product(det, at(re, im, j * n + j));
    *detRe = det.re;
    *detIm = det.im;
}

void transposeInto(size_t n, const double* re, const double* im, double* bRe, double* bIm) {
    constexpr size_t kBlock = 32;
    for (size_t i0 = 0; i0 < n; i0 += kBlock)
        for (size_t j0 = 0; j0 < n; j0 += kBlock)
            for (size_t i = i0; i < std::min(n, i0 + kBlock); ++i)
                for (size_t j = j0; j < std::min(n, j0 + kBlock); ++j) {
                    bRe[i * n + j] = re[j * n + i];
                    bIm[i * n + j] = im[j * n + i];
                }
}

uint16_t decomposeLu(size_t n, double* re, double* im, uint32_t* permutation, double* scale,
                     double* sign) {
    for (size_t i = 0; i < n; ++i) {
        double big = 0.0;
        for (size_t k = 0; k < n; ++k) {
            double t = modulus(at(re, im, i * n + k));
            if (t > big) big = t;
        }
        if (big == 0.0) return kDecompositionFailed;
        scale[i] = 1.0 / big;
    }
    // Element (i, l) receives exactly the terms k < min(i, l), in ascending k,
    // whether they are subtracted column by column or, as here, a panel of
    // kPanel steps at a time: first inside the panel (where the pivot choice
    // needs them), then for the upper rows right of it, then for the rest.
    // Lines are exchanged whole, so the terms a line has not yet received
    // travel with it and arrive later in the same order.
    *sign = 1.0;
    uint16_t status = 0;
    for (size_t j0 = 0; j0 < n; j0 += kPanel) {
        const size_t j1 = std::min(n, j0 + kPanel);
        if (platformLongWorkPoll((n - j0) * (n - j0) * kPanel) != 0) return kInterrupted;
        if (factorPanel(n, re, im, scale, permutation, sign, j0, j1) != 0) status = kMatrixSingular;
        if (j1 == n) break;
        solveUpperRows(re, im, n, j0, j1);
        updateTrailing(re, im, n, j1, n, j1, j0, j1);
    }
    return status;
}

}  // namespace lattix
