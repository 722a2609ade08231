// Undo of what key insertion recorded. The RPN kinds put the saved texts
// back into the entries they came from and evaluate them again.
#include "engine/key_insertion.h"

#include "edit_text.h"
#include "rpn_stack.h"

namespace engine {
namespace {

// Kind 2: the composition removed the empty last block and merged the top
// two entries into one; EXE on the last block makes room for both again.
void undoMergedTwo(KeyHost& host, const UndoRecord& saved) {
    BlockList& blocks = host.blocks();
    const int previous = blocks.active();
    const int last = blocks.count() - 1;
    if (previous != last) {
        blocks.setActive(last);
        setEditText(host.editLine(), blocks.activeBlock().text());
    }
    host.exe(ExeMode::Normal);
    RpnStack stack(host);
    const int now = blocks.active();
    if (now >= 2) {
        stack.store(now - 2, saved.second);
        stack.store(now - 1, saved.first);
    }
    if (now != last + 1) {
        blocks.setActive(previous);
        setEditText(host.editLine(), blocks.activeBlock().text());
    }
}

}  // namespace

bool undoKeyEntry(KeyHost& host) {
    BlockList& blocks = host.blocks();
    const UndoRecord saved = blocks.undoRecord();
    RpnStack stack(host);
    switch (saved.kind) {
        case kUndoMergedTwo: undoMergedTwo(host, saved); break;
        case kUndoTopEntry:
            if (stack.hasTop()) stack.store(stack.top(), saved.first);
            break;
        case kUndoTopAndLine:
            if (!stack.hasTop()) break;
            stack.store(stack.top(), saved.second);
            if (blocks.active() == stack.last()) stack.setLine(saved.first);
            else stack.store(stack.last(), saved.first);
            break;
        case kUndoLineComposition: stack.setLine(saved.first); break;
        case kUndoEditedLine:
            setEditText(host.editLine(), blocks.activeBlock().text());
            host.redrawBlocks();
            return true;
        case kUndoSwappedEntries:
            if (!stack.hasSecond()) break;
            stack.store(stack.second(), saved.second);
            stack.store(stack.top(), saved.first);
            break;
        default: return false;
    }
    blocks.undoRecord().kind = kUndoNothing;
    host.redrawBlocks();
    return true;
}

}  // namespace engine
