#include "rpn_keys.h"

#include "engine/key_insertion.h"
#include "engine/rpn_text.h"
#include "engine/workspace_settings.h"
#include "rpn_composition_internal.h"
#include "rpn_stack.h"

namespace engine {

std::u16string signChanged(std::u16string_view text) {
    std::u16string out(text);
    const size_t e = out.rfind(u'E');
    if (e != std::u16string::npos) {
        // The exponent's sign: "-" goes, a digit gets one, "+" stays.
        if (e + 1 == out.size()) out += u'-';
        else if (out[e + 1] == u'-') out.erase(e + 1, 1);
        else if (out[e + 1] >= u'0' && out[e + 1] <= u'9') out.insert(e + 1, 1, u'-');
        return out;
    }
    if (out.empty()) return out;
    if (out[0] == u'+') out[0] = u'-';
    else if (out[0] == u'-') out.erase(0, 1);
    else out.insert(0, 1, u'-');
    return out;
}

bool changeSign(KeyHost& host) {
    RpnStack stack(host);
    const std::u16string line = stack.line();
    if (line.empty()) return composeRpnRecorded(host, u"\n");
    stack.record(UndoKind::RpnComposedEditLine, line);
    stack.setLine(signChanged(line));
    return true;
}

bool swapEntries(KeyHost& host) {
    RpnStack stack(host);
    const std::u16string line = stack.line();
    const int top = stack.top();
    if (!line.empty() && stack.hasTop()) {
        const std::u16string topText = stack.text(top);
        stack.record(UndoKind::RpnReplacedAboveAndLast, line, topText);
        std::u16string toLine = topText;
        renumberAns(toLine, +1, nullptr);
        std::u16string toTop = line;
        renumberAns(toTop, -1, stack.answer(top));
        stack.store(top, toTop);
        stack.setLine(toLine);
    } else if (line.empty() && stack.hasSecond()) {
        const int second = stack.second();
        stack.record(UndoKind::RpnSwappedAbove, stack.text(top), stack.text(second));
        host.blocks().swapBlocks(top, second);
        // The old top entry moved one block up the list and the old second
        // one block down; both keep pointing at the blocks they meant, and a
        // reference of the old top entry to the old second entry becomes
        // that entry's value.
        std::u16string down = stack.text(second);
        renumberAns(down, -1, stack.answer(top));
        std::u16string up = stack.text(top);
        renumberAns(up, +1, nullptr);
        if (down != stack.text(second)) stack.store(second, down);
        if (up != stack.text(top)) stack.store(top, up);
    } else {
        return false;
    }
    host.redrawBlocks();
    return true;
}

void toggleRpnMode(KeyHost& host) {
    const bool on = !host.rpnMode();
    host.setRpnMode(on);
    if (on) {
        BlockList& blocks = host.blocks();
        host.setRpnDisplay(host.active() == blocks.count() - 1);
        workspaceSettings().rpnFirst = 0;
        workspaceSettings().rpnSecond = 0;
    } else {
        host.setRpnDisplay(false);
    }
}

}  // namespace engine
