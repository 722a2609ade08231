// Assignment: 'a=v' replaces the whole variable, 'a[i]=v' and 'a[r,c]=v'
// overwrite part of it (never growing it), 's[i:j]="..."' replaces
// characters of a string. The value stays on the stack as the answer.
#include <string>

#include "builtins.h"
#include "engine/code_list.h"
#include "engine/evaluator.h"
#include "operands.h"

namespace engine {
namespace {

std::u16string textOf(const Matrix& m) {
    if (m.re == nullptr) return {};
    return std::u16string(reinterpret_cast<const char16_t*>(m.re));
}

// A lower bound below 1 selects the whole dimension of the target.
Bounds wholeIfOpen(Bounds b, int64_t size) {
    if (b.low < 1) return Bounds{1, size};
    return b;
}

Status assignCharacters(Matrix& target, const Matrix& value, Selection s) {
    if (!isString(target)) return kIncompatibleMatrices;
    std::u16string text = textOf(target);
    const int64_t length = int64_t(text.size());
    // A string is one row.
    s.rows = wholeIfOpen(s.rows, 1);
    s.cols = wholeIfOpen(s.cols, length);
    if (s.rows.low != 1 || s.rows.high != 1) return kInvalidParameter;
    if (s.cols.low > s.cols.high || s.cols.high > length) return kInvalidParameter;
    const std::u16string replacement = textOf(value);
    if (int64_t(replacement.size()) != s.cols.high - s.cols.low + 1) return kInvalidParameter;
    text.replace(size_t(s.cols.low - 1), replacement.size(), replacement);
    copyStrMatrix(&target, text.c_str());
    return kOk;
}

Status assignElements(Matrix& target, const Matrix& value, Selection s) {
    const int64_t count = elementCount(target);
    const int64_t rows = count > 0 ? target.rows : 0;
    const int64_t cols = count > 0 ? target.cols : 0;
    s.rows = wholeIfOpen(s.rows, rows);
    s.cols = wholeIfOpen(s.cols, cols);
    const Bounds r = s.rows;
    const Bounds c = s.cols;
    if (r.low > r.high || c.low > c.high) return kInvalidParameter;
    const int64_t width = c.high - c.low + 1;
    const int64_t valueCount = elementCount(value);

    if (r.low == 1 && r.high == 1) {
        // Row-major element positions over the whole target.
        if (c.high > count) return kInvalidParameter;
        if (valueCount != width) return kIncompatibleMatrices;
        for (int64_t k = 0; k < width; ++k) {
            target.re[c.low - 1 + k] = value.re[k];
            target.im[c.low - 1 + k] = value.im[k];
        }
        return kOk;
    }
    if (r.high > rows || c.high > cols) return kInvalidParameter;
    const int64_t height = r.high - r.low + 1;
    const int64_t valueRows = valueCount > 0 ? value.rows : 0;
    const int64_t valueCols = valueCount > 0 ? value.cols : 0;
    if (valueRows != height || valueCols != width) return kIncompatibleMatrices;
    int64_t k = 0;
    for (int64_t row = r.low; row <= r.high; ++row) {
        for (int64_t col = c.low; col <= c.high; ++col, ++k) {
            const int64_t to = (row - 1) * cols + (col - 1);
            target.re[to] = value.re[k];
            target.im[to] = value.im[k];
        }
    }
    return kOk;
}

}  // namespace

// Stack: [rows,] [columns,] value, argument count n (1 to 3).
Status applyAssignment(const Token& token, const Frame& f) {
    // The previous answer belongs to its block: writing into it would make
    // ANS disagree with the answer on screen.
    if (token.value == kAnswerReference) return kSyntaxError;
    const std::optional<int64_t> count = truncatedFirst(f.x());
    if (!count || *count < 1 || *count > 3) return kWrongParameterCount;
    const int n = int(*count);
    Matrix* target = variableOfToken(token);
    if (target == nullptr) return kValueOutOfBounds;

    const int first = *f.top - n;
    const Matrix& value = f.at(*f.top - 1);
    Status status = kOk;
    if (n == 1) {
        copyMatMatrix(target, &value);
    } else {
        const std::optional<Selection> s = selectionOf(&f.at(first), n - 1);
        if (!s) {
            status = kInvalidParameter;
        } else if (isString(value)) {
            status = assignCharacters(*target, value, *s);
        } else {
            status = assignElements(*target, value, *s);
        }
    }
    // The value replaces the arguments as the answer.
    if (first != *f.top - 1) copyMatMatrix(&f.at(first), &value);
    *f.top = int16_t(first);
    return status;
}

}  // namespace engine
