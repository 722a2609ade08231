#include "shell/clipboard_text.h"

#include <cmath>
#include <cstdio>

#include "shell/block_view.h"

namespace shell {

namespace {

// 17 significant digits read back to the same double.
std::u16string number(double x) {
    if (std::isnan(x)) return u"(0/0)";
    if (std::isinf(x)) return x > 0 ? u"(1/0)" : u"(-1/0)";
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17G", x);
    return std::u16string(buffer, buffer + std::char_traits<char>::length(buffer));
}

std::u16string element(double re, double im) {
    if (im == 0) return number(re);
    std::u16string imaginary = number(std::fabs(im)) + u"*i";
    if (re == 0) return im < 0 ? u"-" + imaginary : imaginary;
    return number(re) + (im < 0 ? u"-" : u"+") + imaginary;
}

}  // namespace

std::u16string valueLiteral(const Matrix* value) {
    if (value == nullptr) return {};
    if (value->kind == LATTIX_KIND_STRING) {
        std::u16string quoted(1, u'"');
        quoted += stringAnswerText(value);
        quoted += u'"';
        return quoted;
    }
    if (value->kind == LATTIX_KIND_EMPTY || value->rows < 1 || value->cols < 1) return {};
    const int32_t rows = value->rows, cols = value->cols;
    if (int64_t(rows) * cols > int64_t(value->capacity)) return {};
    auto at = [&](int32_t r, int32_t c) {
        const size_t k = size_t(r) * size_t(cols) + size_t(c);
        return element(value->re[k], value->im != nullptr ? value->im[k] : 0.0);
    };
    if (rows == 1 && cols == 1) return at(0, 0);
    std::u16string text = u"{";
    for (int32_t r = 0; r < rows; ++r) {
        if (r > 0) text += u"|";
        for (int32_t c = 0; c < cols; ++c) {
            if (c > 0) text += u",";
            text += at(r, c);
        }
    }
    return text + u"}";
}

std::u16string copyText(const ShellState& state, std::u16string_view selection) {
    if (!selection.empty()) return std::u16string(selection);
    const engine::BlockList& blocks = state.document.blocks();
    int index = state.document.active();
    const bool emptyLast = index == blocks.count() - 1 && blocks.block(index).text().empty();
    if (emptyLast && index > 0) --index;
    const engine::EquationBlock& block = blocks.block(index);
    if (block.text().empty() || block.status() != 0) return {};
    return valueLiteral(block.answer());
}

}  // namespace shell
