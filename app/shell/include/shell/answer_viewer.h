// The answer viewer's logic ("Var"): a string shown as wrapped text, or a
// table with an "R\C" column of row numbers and one column per matrix
// column whose cells are formatted when they are asked for.
#ifndef ORVANA_SHELL_ANSWER_VIEWER_H
#define ORVANA_SHELL_ANSWER_VIEWER_H

#include <cstdint>
#include <string>
#include <vector>

#include "lattix.h"
#include "platform/drawing.h"
#include "shell/text_wrap.h"

namespace shell {

struct FormatSlot;
struct ShellState;

// Wrapped text starts at (10, 10), one line every 42 pixels, 30 lines at most.
inline constexpr int32_t kViewerTextLeft = 10;
inline constexpr int32_t kViewerLineHeight = 42;
inline constexpr int kViewerLineLimit = 30;

class AnswerViewer {
public:
    // Keeps a copy of the value; cells use the slot's format and polar flag
    // and the given angle mode.
    AnswerViewer(const Matrix* value, const FormatSlot& format, bool degrees);
    ~AnswerViewer();
    AnswerViewer(const AnswerViewer&) = delete;
    AnswerViewer& operator=(const AnswerViewer&) = delete;

    bool isString() const;
    // The string's text (empty for a matrix).
    const std::u16string& text() const { return text_; }
    WrappedText wrapped(const PlatformFont& font, int32_t width) const;

    int rows() const;
    // The matrix columns plus the "R\C" column.
    int columns() const;
    // "R\C", then "1", "2"...
    std::u16string header(int column) const;
    // Column 0 is the row number; the others the element, formatted.
    std::u16string cell(int row, int column) const;

    // The whole matrix as tab-separated rows ending in '\n', every element at
    // full precision (what a spreadsheet reads); a string's own text.
    std::u16string tabSeparated() const;

private:
    Matrix* value_;
    std::u16string text_;
    std::u16string format_;
    bool polar_;
    bool degrees_;
};

// The value Show Answer... shows: the active block's answer.
const Matrix* activeAnswer(const ShellState& state);

}  // namespace shell

#endif
