// linkControlFlow: one pass over the blocks' lists with a stack of the open
// structures, writing into each control token the block it jumps to.
#include <array>

#include "engine/code_list.h"
#include "engine/evaluator.h"
#include "engine/messages.h"
#include "engine/scripts.h"

namespace engine {
namespace {

struct OpenStructure {
    Token* opener;
    int block;
};

bool isControl(uint32_t c) {
    return c == code(Code::For) || c == code(Code::While) || c == code(Code::If) ||
           c == code(Code::Else) || c == code(Code::EndBlock);
}

Status refuse() {
    showError(kMissingControlStructure, nullptr);
    return kMissingControlStructure;
}

}  // namespace

Status linkControlFlow(std::span<Token* const> lists) {
    // Whatever stays unlinked (a structure left open) leads past the end.
    const double pastEnd = double(lists.size());
    for (Token* list : lists)
        for (Token* t = list; t != nullptr && t->code != 0; ++t)
            if (isControl(t->code)) t->value = pastEnd;

    std::array<OpenStructure, kLinkStackSize> open{};
    int depth = 0;
    for (int i = 0; i < int(lists.size()); ++i) {
        for (Token* t = lists[size_t(i)]; t != nullptr && t->code != 0; ++t) {
            const uint32_t c = t->code;
            if (c == code(Code::For) || c == code(Code::While) || c == code(Code::If)) {
                if (depth == kLinkStackSize) return refuse();
                open[size_t(depth++)] = {t, i};
            } else if (c == code(Code::Else)) {
                if (depth == 0 || open[size_t(depth - 1)].opener->code != code(Code::If))
                    return refuse();
                // A false condition continues after the ELSE block.
                open[size_t(depth - 1)].opener->value = i + 1;
                open[size_t(depth - 1)] = {t, i};
            } else if (c == code(Code::EndBlock)) {
                if (depth == 0) return refuse();
                const OpenStructure s = open[size_t(--depth)];
                const uint32_t kind = s.opener->code;
                if (kind == code(Code::For) || kind == code(Code::While)) {
                    t->value = s.block;       // back to the loop's test
                    s.opener->value = i + 1;  // leaving the loop
                } else {
                    t->value = i + 1;
                    s.opener->value = i + 1;
                }
            }
        }
    }
    return kOk;
}

}  // namespace engine
