// The RPN stack as key insertion sees it: the blocks above the last one are
// the entries (the block just above the last is the top), the edit line of
// the last block is the entry being typed.
#ifndef ORVANA_ENGINE_RPN_STACK_H
#define ORVANA_ENGINE_RPN_STACK_H

#include <string>
#include <string_view>

#include "edit_text.h"
#include "engine/key_host.h"

namespace engine {

class RpnStack {
public:
    explicit RpnStack(KeyHost& host) : host_(host), blocks_(host.blocks()) {}

    int last() const { return blocks_.count() - 1; }
    int top() const { return blocks_.count() - 2; }
    int second() const { return blocks_.count() - 3; }
    bool hasTop() const { return blocks_.count() >= 2; }
    bool hasSecond() const { return blocks_.count() >= 3; }
    bool topHasText() const { return hasTop() && !text(top()).empty(); }
    const std::u16string& text(int index) const { return blocks_.block(index).text(); }
    const Matrix* answer(int index) const { return blocks_.block(index).answer(); }

    // The edit line, at most 99 characters.
    std::u16string line() const;
    bool lineEmpty() const { return line().empty(); }
    void setLine(std::u16string_view text) { setEditText(host_.editLine(), text); }

    // Fills the undo record before anything changes.
    void record(UndoKind kind, std::u16string_view first, std::u16string_view second = {});

    // Sets an entry's text and evaluates it as EXE would.
    void store(int index, std::u16string_view text);
    // Stores a composition result: the entry is set and evaluated, the edit
    // line emptied, the last block made empty with a zero answer, and the
    // entries scrolled into view.
    void commit(int index, std::u16string_view text);
    // Removes the empty last block, so that the top entry becomes the entry
    // being typed.
    void dropLast();
    // The last block's graph colour and status cleared, the block area
    // redrawn.
    void finish();

private:
    KeyHost& host_;
    BlockList& blocks_;
};

}  // namespace engine

#endif
