// extractSubmatrix: the part of a value that an index selects.
#include "engine/extract_submatrix.h"

#include <string>

#include "engine/evaluator.h"
#include "operands.h"

namespace engine {
namespace {

size_t textLength(const Matrix& m) {
    if (m.re == nullptr) return 0;
    const auto* text = reinterpret_cast<const char16_t*>(m.re);
    size_t n = 0;
    while (text[n] != 0) ++n;
    return n;
}

Status extractCharacters(const Matrix& src, Matrix* dst, int64_t r1, int64_t r2, int64_t c1,
                         int64_t c2) {
    if (r1 != 1 || r2 != 1) return kInvalidParameter;
    const int64_t length = int64_t(textLength(src));
    if (c1 < 1) {
        c1 = 1;
        c2 = length;
    }
    // An empty character range is refused like an empty range of elements,
    // so that indexing never yields a value the user cannot see.
    if (c2 > length || c1 > c2) return kInvalidParameter;
    const auto* text = reinterpret_cast<const char16_t*>(src.re);
    const std::u16string part(text + (c1 - 1), size_t(c2 - c1 + 1));
    copyStrMatrix(dst, part.c_str());
    return kOk;
}

}  // namespace

Status extractSubmatrix(const Matrix* src, Matrix* dst, int64_t r1, int64_t r2, int64_t c1,
                        int64_t c2) {
    if (src == nullptr || dst == nullptr) return kInvalidParameter;
    if (isString(*src)) return extractCharacters(*src, dst, r1, r2, c1, c2);

    const int64_t count = elementCount(*src);
    const int64_t rows = count > 0 ? src->rows : 0;
    const int64_t cols = count > 0 ? src->cols : 0;
    if (r1 < 1) {
        r1 = 1;
        r2 = rows;
    }
    if (c1 < 1) {
        c1 = 1;
        c2 = cols;
    }
    if (c1 > c2 || r1 > r2) return kInvalidParameter;
    if (r1 == 1 && r2 == 1) {
        if (c2 > count) return kInvalidParameter;
    } else if (c2 > cols || r2 > rows) {
        return kInvalidParameter;
    }

    const int64_t outRows = r2 - r1 + 1;
    const int64_t outCols = c2 - c1 + 1;
    // Elements counted in row-major order can ask for a row longer than a
    // Matrix can describe.
    if (outCols > kMatrixDimensionLimit) return kMatrixTooBig;
    resizeMatrix(dst, uint16_t(outRows), uint16_t(outCols));
    if (elementCount(*dst) != outRows * outCols) return kMatrixTooBig;  // memory ran out
    int64_t k = 0;
    for (int64_t r = r1; r <= r2; ++r) {
        for (int64_t c = c1; c <= c2; ++c, ++k) {
            const int64_t from = (r - 1) * cols + (c - 1);
            dst->re[k] = src->re[from];
            dst->im[k] = src->im[from];
        }
    }
    return kOk;
}

}  // namespace engine
