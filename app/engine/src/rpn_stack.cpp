#include "rpn_stack.h"

namespace engine {

std::u16string RpnStack::line() const {
    std::u16string text = editText(host_.editLine());
    if (text.size() > kBlockTextLimit) text.resize(kBlockTextLimit);
    return text;
}

void RpnStack::record(UndoKind kind, std::u16string_view first, std::u16string_view second) {
    UndoRecord& undo = host_.undoRecord();
    undo.kind = kind;
    undo.first = std::u16string(first.substr(0, kBlockTextLimit));
    undo.second = std::u16string(second.substr(0, kBlockTextLimit));
}

void RpnStack::store(int index, std::u16string_view text) { blocks_.execute(index, text); }

void RpnStack::commit(int index, std::u16string_view text) {
    store(index, text);
    setLine(u"");
    EquationBlock& lastBlock = blocks_.block(last());
    lastBlock.clearText();
    copyValMatrix(lastBlock.answer(), 0.0, 0.0);
    host_.fitEntries();
    host_.redrawBlocks();
}

void RpnStack::dropLast() {
    blocks_.removeLast();
    host_.setActive(last());
}

void RpnStack::finish() {
    EquationBlock& lastBlock = blocks_.block(last());
    lastBlock.setFlags(lastBlock.flags() & ~kGraphColourMask);
    lastBlock.setStatus(0);
    host_.redrawBlocks();
}

}  // namespace engine
