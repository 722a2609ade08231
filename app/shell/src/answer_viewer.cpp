// The answer viewer's text and table cells.
#include "shell/answer_viewer.h"

#include <cstdio>

#include "engine/display_format.h"
#include "shell/format_slots.h"
#include "shell/shell_state.h"

namespace shell {
namespace {

std::u16string number(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", n);
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

std::u16string fullPrecision(double re, double im) {
    char text[64];
    if (im == 0.0)
        std::snprintf(text, sizeof text, "%.17G", re);
    else
        std::snprintf(text, sizeof text, "%.17G%+.17Gi", re, im);
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

}  // namespace

AnswerViewer::AnswerViewer(const Matrix* value, const FormatSlot& format, bool degrees)
    : value_(newMatrix(0, 0)),
      format_(engine::formatStringFor(format.formatCode)),
      polar_(format.polar),
      degrees_(degrees) {
    if (value != nullptr && value_ != nullptr) copyMatMatrix(value_, value);
    if (isString()) text_ = engine::valueToText(value_, 10000);
}

AnswerViewer::~AnswerViewer() { delMatrix(value_); }

bool AnswerViewer::isString() const {
    return value_ != nullptr && value_->kind == LATTIX_KIND_STRING;
}

WrappedText AnswerViewer::wrapped(const PlatformFont& font, int32_t width) const {
    return wrapText(text_, font, width, kViewerLineLimit);
}

int AnswerViewer::rows() const { return isString() || value_ == nullptr ? 0 : value_->rows; }

int AnswerViewer::columns() const {
    return isString() || value_ == nullptr ? 0 : value_->cols + 1;
}

std::u16string AnswerViewer::header(int column) const {
    return column == 0 ? u"R\\C" : number(column);
}

std::u16string AnswerViewer::cell(int row, int column) const {
    if (row < 0 || row >= rows() || column < 0 || column >= columns()) return {};
    if (column == 0) return number(row + 1);
    const size_t k = size_t(row) * value_->cols + size_t(column - 1);
    return engine::formatNumber(value_->re[k], value_->im[k], format_.c_str(), degrees_, polar_);
}

std::u16string AnswerViewer::tabSeparated() const {
    if (isString()) return text_;
    std::u16string out;
    for (int r = 0; r < rows(); ++r) {
        for (int c = 0; c < value_->cols; ++c) {
            if (c > 0) out.push_back(u'\t');
            const size_t k = size_t(r) * value_->cols + size_t(c);
            out += fullPrecision(value_->re[k], value_->im[k]);
        }
        out.push_back(u'\n');
    }
    return out;
}

const Matrix* activeAnswer(const ShellState& state) {
    return state.document.blocks().block(state.document.active()).answer();
}

}  // namespace shell
