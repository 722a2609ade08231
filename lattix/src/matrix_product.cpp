// The matrix product, blocked for registers and cache.
//
// The columns of B are packed into panels of kPanel columns (real parts, then
// imaginary parts, for each k), and a micro-kernel keeps a tile of up to
// kRows x kPanel sums of C in registers while it walks k from 0 upwards. Each
// sum therefore sees exactly the additions of the plain triple loop, in the
// same order, and the result is identical to the last bit; the speed comes
// from reusing every loaded value across a whole tile and from working on
// eight independent sums per vector instruction.
#include "matrix_product.h"

#include <cstring>

#include "platform/long_work.h"
#include "platform/status.h"
#include "slot_storage.h"

namespace lattix {
namespace {

typedef double Lanes __attribute__((vector_size(64)));
constexpr size_t kLanes = 8;
constexpr size_t kPanel = 2 * kLanes;  // columns of C in one tile
constexpr size_t kRows = 4;            // rows of C in one tile

// Copies columns [col, col + width) of B into a panel: for every k, kPanel
// real parts then kPanel imaginary parts, zero beyond width.
void packPanel(const double* bRe, const double* bIm, size_t inner, size_t cols, size_t col,
               size_t width, double* panel) {
    for (size_t k = 0; k < inner; ++k) {
        double* re = panel + k * 2 * kPanel;
        double* im = re + kPanel;
        const double* srcRe = bRe + k * cols + col;
        const double* srcIm = bIm + k * cols + col;
        for (size_t j = 0; j < kPanel; ++j) {
            re[j] = j < width ? srcRe[j] : 0.0;
            im[j] = j < width ? srcIm[j] : 0.0;
        }
    }
}

// One tile: rows [row, row + R) of C against one packed panel.
template <size_t R>
[[gnu::always_inline]] inline void tile(const double* aRe, const double* aIm, size_t inner,
                                        size_t row, const double* panel, double* cRe,
                                        double* cIm, size_t cols, size_t col, size_t width) {
    Lanes sumRe[R][2] = {};
    Lanes sumIm[R][2] = {};
    for (size_t k = 0; k < inner; ++k) {
        Lanes bRe[2], bIm[2];
        std::memcpy(bRe, panel + k * 2 * kPanel, sizeof bRe);
        std::memcpy(bIm, panel + k * 2 * kPanel + kPanel, sizeof bIm);
        for (size_t r = 0; r < R; ++r) {
            const double ar = aRe[(row + r) * inner + k];
            const double ai = aIm[(row + r) * inner + k];
            for (size_t h = 0; h < 2; ++h) {
                sumRe[r][h] = sumRe[r][h] + (ar * bRe[h] - ai * bIm[h]);
                sumIm[r][h] = sumIm[r][h] + (ar * bIm[h] + ai * bRe[h]);
            }
        }
    }
    for (size_t r = 0; r < R; ++r) {
        double re[kPanel], im[kPanel];
        std::memcpy(re, sumRe[r], sizeof re);
        std::memcpy(im, sumIm[r], sizeof im);
        std::memcpy(cRe + (row + r) * cols + col, re, width * sizeof(double));
        std::memcpy(cIm + (row + r) * cols + col, im, width * sizeof(double));
    }
}

// Polls for a stop after every panel (rows x inner x kPanel products); false
// when stopped, with C partly written.
__attribute__((target_clones("avx512f", "avx2", "default"))) bool multiplyPanels(
    const double* aRe, const double* aIm, const double* bRe, const double* bIm, double* cRe,
    double* cIm, size_t rows, size_t inner, size_t cols, double* panel) {
    for (size_t col = 0; col < cols; col += kPanel) {
        if (platformLongWorkPoll(rows * inner * kPanel) != 0) return false;
        const size_t width = cols - col < kPanel ? cols - col : kPanel;
        packPanel(bRe, bIm, inner, cols, col, width, panel);
        size_t row = 0;
        for (; row + kRows <= rows; row += kRows)
            tile<kRows>(aRe, aIm, inner, row, panel, cRe, cIm, cols, col, width);
        switch (rows - row) {
            case 3:
                tile<3>(aRe, aIm, inner, row, panel, cRe, cIm, cols, col, width);
                break;
            case 2:
                tile<2>(aRe, aIm, inner, row, panel, cRe, cIm, cols, col, width);
                break;
            case 1:
                tile<1>(aRe, aIm, inner, row, panel, cRe, cIm, cols, col, width);
                break;
            default:
                break;
        }
    }
    return true;
}

}  // namespace

uint16_t multiplyComplex(const double* aRe, const double* aIm, const double* bRe,
                         const double* bIm, double* cRe, double* cIm, size_t rows, size_t inner,
                         size_t cols) {
    if (rows == 0 || cols == 0) return orvana::kOk;
    SlotBuffer panel(inner * 2 * kPanel);
    // The panel must be private: built on the shared reserve it could alias
    // the operands.
    if (!panel.ok() || isReserve(panel.data())) return orvana::kMatrixTooBig;
    if (!multiplyPanels(aRe, aIm, bRe, bIm, cRe, cIm, rows, inner, cols, panel.data()))
        return orvana::kInterrupted;
    return orvana::kOk;
}

}  // namespace lattix
