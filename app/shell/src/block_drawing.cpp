// Drawing the block list: each block's fill, expression, markers, answer
// rows and separators, the expression line over the active block, and the
// scroll bar beside the list.
#include <algorithm>
#include <cstdio>
#include <string>

#include "engine/messages.h"
#include "shell/block_view.h"
#include "shell/text_wrap.h"

namespace shell {
namespace {

constexpr int32_t kTextLeft = 3;
constexpr int32_t kClipX = 190;       // a long expression stops here, "..." follows
constexpr int32_t kMarkerX = 220;     // angle and graph markers
constexpr int32_t kErrorX = 210;      // the error icon beside the answer
constexpr int32_t kErrorScriptX = 198;
constexpr int32_t kAnswerLeft = 10;   // messages and string answers
constexpr int32_t kSizeLabelLeft = 2;
constexpr int32_t kColumnLabelLeft = 6;
constexpr int32_t kElementLeft = 30;
constexpr int32_t kScrollBarWidth = 6;

constexpr PlatformColour kInk = PLATFORM_RGB(0, 0, 0);
constexpr PlatformColour kSelection = PLATFORM_RGB(10, 36, 106);
constexpr PlatformColour kSelectedInk = PLATFORM_RGB(255, 255, 255);

std::u16string ascii(const char* text) {
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

}  // namespace

PlatformFont normalFont() {
    return {u"Tahoma", 20, PLATFORM_FONT_NORMAL};
}

PlatformFont answerFont() {
    return {u"Tahoma", 20, PLATFORM_FONT_BOLD};
}

PlatformFont labelFont() {
    return {u"Tahoma", 16, 100};
}

void BlockView::draw(WorkspaceDocument& document, PlatformSurface* surface,
                     const EditLineState& edit) {
    engine::BlockList& list = document.blocks();
    setFirstVisible(list, firstVisible_);
    int32_t y = 0;
    activeTop_ = -1;
    edit_.visible = false;
    for (int i = firstVisible_; i < list.count(); ++i) {
        const bool active = i == document.active();
        const int32_t h = height(list, i, active);
        if (y + h > areaHeight_) break;
        if (active) activeTop_ = y;
        y = drawBlock(document, i, surface, y, h, edit);
    }
    platformFillRect(surface, 0, y, kClientWidth, areaHeight_, kInactiveFill);
    drawScrollBar(surface, scrollBar(list), kBlockAreaWidth, 0, kScrollBarWidth, areaHeight_ - 1);
}

int32_t BlockView::drawBlock(WorkspaceDocument& document, int index, PlatformSurface* surface,
                             int32_t y, int32_t h, const EditLineState& edit) {
    engine::EquationBlock& block = document.blocks().block(index);
    const bool active = index == document.active();
    const PlatformFont normal = normalFont();
    platformFillRect(surface, 0, y, kBlockAreaWidth, y + h, active ? kActiveFill : kInactiveFill);

    const int32_t extra = editExtra(active);
    if (active) {
        edit_ = {true, kTextLeft, y + 1, kWrapWidth,
                 (rowsSetting() == 0 ? kRowHeight - 2 : kRowHeight) + extra};
        drawEditLine(surface, edit);
    } else if (!block.text().empty()) {
        const std::u16string_view text = block.text();
        if (textWidth(text, normal) > kWrapWidth) {
            const size_t fit = fittingCharacters(text, normal, kClipX - kTextLeft);
            drawTextPart(surface, kTextLeft, y + 1, text.substr(0, fit), normal, kInk);
            drawTextPart(surface, kClipX, y + 1, u"...", normal, kInk);
        } else {
            drawTextPart(surface, kTextLeft, y + 1, text, normal, kInk);
        }
    }

    markers_->draw(surface, block.degrees() ? kIconDegrees : kIconRadians, kMarkerX, y + 6);
    const bool comment = block.status() == engine::kCommentLine;
    if (rowsSetting() != 0 && !comment) {
        markers_->draw(surface, graphMarkerIcon(block.graphColour()), kMarkerX, y + kRowHeight);
        if (block.status() != 0) markers_->draw(surface, kIconError, kErrorX, y + kRowHeight);
        if (!block.text().empty()) drawAnswer(block, surface, y + kRowHeight + extra, y + h);
    } else if (block.status() != 0 && !comment) {
        // A comment is no error; it carries status 63 only to be skipped.
        markers_->draw(surface, kIconError, kErrorScriptX, y + 2);
    }

    platformFillRect(surface, 0, y + h - 1, kBlockAreaWidth, y + h, kSeparatorDark);
    platformFillRect(surface, 0, y, kBlockAreaWidth, y + 1, kSeparatorLight);
    return y + h;
}

// The answer rows from `top` to the block's `bottom`: the message of a
// failure, a string wrapped over its rows, or the elements of a value column
// by column.
void BlockView::drawAnswer(engine::EquationBlock& block, PlatformSurface* surface, int32_t top,
                           int32_t bottom) const {
    // Rows the block has room for; what does not fit is not drawn (it would
    // only be painted over by the next block).
    const int room = std::max<int32_t>((bottom - top) / kRowHeight, 0);
    const int rows = rowsSetting();
    if (block.status() != 0) {
        drawWrapped(surface, kAnswerLeft, top, engine::messageText(block.status()), normalFont(),
                    kInk, kWrapWidth, 1, graphShown_, room);
        return;
    }
    const Matrix* answer = block.answer();
    if (answer == nullptr) return;
    if (answer->kind == LATTIX_KIND_STRING) {
        drawWrapped(surface, kAnswerLeft, top, stringAnswerText(answer), answerFont(), kInk,
                    kWrapWidth, rows, graphShown_, room);
        return;
    }
    const PlatformFont label = labelFont();
    const PlatformFont bold = answerFont();
    if (answer->rows != 1 || answer->cols != 1) {
        char size[32];
        std::snprintf(size, sizeof size, "%dx%d", int(answer->rows), int(answer->cols));
        drawTextPart(surface, kSizeLabelLeft, top, ascii(size), label, kInk);
    }
    const int64_t elements = int64_t(answer->rows) * answer->cols;
    const int64_t limit = std::min<int64_t>({rows, elements, 3, room});
    const std::u16string format = engine::formatStringFor(display_.formatCode);
    int64_t shown = 0;
    int32_t rowTop = top;
    for (uint32_t c = 0; c < answer->cols && shown < limit; ++c) {
        if (c > 0) {
            char column[32];
            std::snprintf(column, sizeof column, "c%u:", unsigned(c + 1));
            drawTextPart(surface, kColumnLabelLeft, rowTop, ascii(column), label, kInk);
        }
        for (uint32_t r = 0; r < answer->rows && shown < limit; ++r) {
            const size_t k = size_t(r) * answer->cols + c;
            const std::u16string text = engine::formatNumber(answer->re[k], answer->im[k],
                                                             format.c_str(), block.degrees(),
                                                             display_.polar);
            drawTextPart(surface, kElementLeft, rowTop, text, bold, kInk);
            rowTop += kRowHeight;
            ++shown;
        }
    }
    if (shown == elements) {
        block.setFlags(block.flags() & ~engine::kAnswerCutFlag);
    } else {
        drawTextPart(surface, 0, rowTop - kRowHeight, u"..", label, kInk);
        block.setFlags(block.flags() | engine::kAnswerCutFlag);
    }
}

// The expression line inside its rectangle: its lines one row apart, the
// selection inverted, the caret as a thin bar.
void BlockView::drawEditLine(PlatformSurface* surface, const EditLineState& edit) const {
    const PlatformFont font = normalFont();
    const std::u16string_view text = edit.text;
    const size_t start = size_t(std::clamp<int32_t>(edit.selectionStart, 0, int32_t(text.size())));
    const size_t end = size_t(std::clamp<int32_t>(edit.selectionEnd, int32_t(start),
                                                  int32_t(text.size())));
    const int rowsShown = std::max<int32_t>(edit_.height / kRowHeight, 1);
    const std::vector<WrappedLine> lines =
        graphShown_ ? std::vector<WrappedLine>{{0, text.size(), 0}}
                    : wrapEditLine(text, font, kWrapWidth);
    // The line with the caret stays in view, as the control scrolls to it.
    size_t caretLine = 0;
    for (size_t i = 0; i < lines.size(); ++i)
        if (end >= lines[i].start) caretLine = i;
    const size_t firstLine = caretLine + 1 > size_t(rowsShown) ? caretLine + 1 - rowsShown : 0;

    for (size_t i = firstLine; i < lines.size() && i < firstLine + size_t(rowsShown); ++i) {
        const WrappedLine& line = lines[i];
        const int32_t x = edit_.x, y = edit_.y + kRowHeight * int32_t(i - firstLine);
        const std::u16string_view part = text.substr(line.start, line.length);
        drawTextPart(surface, x, y, part, font, kInk);
        const size_t lineEnd = line.start + line.length;
        const size_t from = std::max(start, line.start), to = std::min(end, lineEnd);
        if (from < to) {
            const int32_t left = x + textWidth(text.substr(line.start, from - line.start), font);
            const std::u16string_view selected = text.substr(from, to - from);
            platformFillRect(surface, left, y, left + textWidth(selected, font), y + font.height + 2,
                             kSelection);
            drawTextPart(surface, left, y, selected, font, kSelectedInk);
        } else if (start == end && edit.showCaret && i == caretLine) {
            const int32_t left = x + textWidth(text.substr(line.start, end - line.start), font);
            platformFillRect(surface, left, y + 1, left + 1, y + font.height + 1, kInk);
        }
    }
}

}  // namespace shell
