// The block list's layout: block heights, the first visible block, and the
// scrolling that EXE, the Up and Down keys, the scroll bar and a growing
// expression line bring.
#include <algorithm>

#include "shell/block_view.h"
#include "shell/text_wrap.h"

namespace shell {
namespace {

constexpr int kMaxAnswerRows = 3;
constexpr int kMaxEditLines = 3;

bool isStringAnswer(const Matrix* answer) {
    return answer != nullptr && answer->kind == LATTIX_KIND_STRING;
}

}  // namespace


std::u16string_view stringAnswerText(const Matrix* answer) {
    if (!isStringAnswer(answer) || answer->re == nullptr) return {};
    const auto* text = reinterpret_cast<const char16_t*>(answer->re);
    const size_t room = size_t(answer->capacity) * (sizeof(double) / sizeof(char16_t));
    size_t length = 0;
    while (length < room && text[length] != 0) ++length;
    return {text, length};
}

BlockView::BlockView() : markers_(createBlockMarkers()) {}

BlockView::~BlockView() = default;

void BlockView::setFirstVisible(const engine::BlockList& list, int index) {
    firstVisible_ = std::clamp(index, 0, list.count() - 1);
}

int BlockView::rowsSetting() const {
    return std::clamp(display_.rows, 0, kMaxAnswerRows);
}

int32_t BlockView::editExtra(bool asActive) const {
    if (!asActive || graphShown_) return 0;
    return kRowHeight * std::min(editLines_ - 1, kMaxEditLines - 1);
}

int32_t BlockView::height(const engine::BlockList& list, int index, bool asActive) const {
    const engine::EquationBlock& block = list.block(index);
    const int setting = rowsSetting();
    int rows = setting;
    const int32_t extra = editExtra(asActive);
    const int editRows = extra / kRowHeight;
    if (rows + editRows > kMaxAnswerRows) rows = kMaxAnswerRows - editRows;

    if (graphShown_) return 2 * kRowHeight;
    if (setting == 0 || block.status() == engine::kCommentLine) return extra + kRowHeight;
    if (block.status() != 0) {
        rows = 2;
    } else if (isStringAnswer(block.answer())) {
        const WrappedText wrapped = wrapText(stringAnswerText(block.answer()), answerFont(),
                                             kWrapWidth, rows);
        rows = 1 + int(wrapped.lines.size());
    } else {
        const Matrix* answer = block.answer();
        const int64_t elements =
            answer != nullptr ? std::max<int64_t>(int64_t(answer->rows) * answer->cols, 1) : 1;
        rows = int(std::min<int64_t>(rows, elements)) + 1;
    }
    return extra + kRowHeight * rows;
}

bool BlockView::setEditLineCount(const WorkspaceDocument& document, int lines) {
    const engine::BlockList& list = document.blocks();
    lines = std::clamp(lines, 1, kMaxEditLines);
    if (lines == editLines_) return false;
    editLines_ = lines;
    if (activeTop_ + height(list, document.active(), true) > areaHeight_)
        setFirstVisible(list, firstVisible_ + 1);
    return true;
}

bool BlockView::exe(WorkspaceDocument& document, ExeMode mode) {
    engine::BlockList& list = document.blocks();
    const int before = list.count();
    const int executed = document.active();
    const bool last = executed == before - 1;
    if (!document.exe(mode).done) return false;

    if (!last || mode == ExeMode::CommitOnly) {
        if (activeTop_ + height(list, document.active(), true) > areaHeight_)
            setFirstVisible(list, firstVisible_ + 1);
        return true;
    }

    // EXE on the last block appended an empty one (and, past the block limit,
    // dropped the first block, which moves every index up by one).
    int x = executed;
    if (list.count() == before) {
        x -= 1;
        firstVisible_ = std::max(firstVisible_ - 1, 0);
    }
    const int savedLines = editLines_;
    editLines_ = 1;  // the new block's expression line is empty
    const int32_t newHeight = height(list, x + 1, true);
    editLines_ = savedLines;
    const int32_t executedHeight = height(list, x, false);
    int32_t top = activeTop_;
    while (executedHeight + newHeight + top > areaHeight_ && firstVisible_ < x) {
        top -= height(list, firstVisible_, false);
        ++firstVisible_;
    }
    // When the two cannot be shown together, the answer stays in view.
    if (executedHeight + newHeight > areaHeight_) document.setActive(x);
    setFirstVisible(list, firstVisible_);
    return true;
}

bool BlockView::moveDown(WorkspaceDocument& document) {
    const engine::BlockList& list = document.blocks();
    const int start = document.active();
    exe(document, ExeMode::OnlyIfChanged);
    const int active = document.active();
    if (active >= list.count() - 1) return active != start;
    document.setActive(active + 1);
    // Keep as many blocks above the new active one in view as fit.
    int32_t sum = height(list, active + 1, true);
    for (int i = active; i >= firstVisible_; --i) {
        sum += height(list, i, false);
        if (sum > areaHeight_) {
            firstVisible_ = i + 1;
            break;
        }
    }
    return true;
}

bool BlockView::moveUp(WorkspaceDocument& document) {
    const bool last = document.active() == document.blocks().count() - 1;
    exe(document, last ? ExeMode::CommitOnly : ExeMode::OnlyIfChanged);
    const int active = document.active();
    if (active == 0) return false;
    document.setActive(active - 1);
    if (active - 1 < firstVisible_) firstVisible_ = active - 1;
    return true;
}

int BlockView::blockAt(const WorkspaceDocument& document, int32_t y) const {
    const engine::BlockList& list = document.blocks();
    if (y < 0 || y >= areaHeight_) return -1;
    int32_t top = 0;
    for (int i = std::clamp(firstVisible_, 0, list.count() - 1); i < list.count(); ++i) {
        const int32_t h = height(list, i, i == document.active());
        if (top + h > areaHeight_) break;
        if (y < top + h) return i;
        top += h;
    }
    return -1;
}

bool BlockView::activateBlockAt(WorkspaceDocument& document, int32_t y) {
    const int target = blockAt(document, y);
    if (target < 0 || target == document.active()) return false;
    const bool last = document.active() == document.blocks().count() - 1;
    exe(document, last ? ExeMode::CommitOnly : ExeMode::OnlyIfChanged);
    document.setActive(target);
    return true;
}

ScrollBarState BlockView::scrollBar(const engine::BlockList& list) const {
    return {0, list.count() - 1, 1, firstVisible_};
}

bool BlockView::scroll(const engine::BlockList& list, ScrollAction action, int thumb) {
    const int target = scrollTarget(scrollBar(list), action, thumb);
    if (target == firstVisible_) return false;
    firstVisible_ = target;
    return true;
}

}  // namespace shell
