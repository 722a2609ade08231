// compileExpression: the special line forms, then rewrite, token pass and
// reordering; and freeCode.
#include <string_view>

#include "engine/code_list.h"
#include "engine/parser.h"
#include "engine/status.h"
#include "infix_tokens.h"
#include "line_rewrite.h"
#include "platform/heap.h"
#include "platform/text.h"
#include "postfix_order.h"
#include "token_pass.h"

namespace engine {
namespace {

// 'S:text' (any character above ':' but 'V'): the text goes to a library.
bool isLibraryTextLine(std::u16string_view line) {
    return line.size() >= 2 && line[0] > u':' && line[0] != u'V' && line[1] == u':';
}

Status compile(std::u16string_view line, Token** list) {
    while (!line.empty() && line.front() == u' ') line.remove_prefix(1);
    if (line.empty()) return kOk;
    if (line.front() == u'*') return kCommentLine;

    const bool elementwise = line.starts_with(u"V:");
    if (elementwise) line.remove_prefix(2);

    InfixTokens infix;
    if (isLibraryTextLine(line)) {
        if (Status s = libraryTextTokens(line[0], line.substr(2), infix); s != kOk) return s;
    } else {
        const RewrittenLine rewritten = rewriteLine(line);
        if (rewritten.status != kOk) return rewritten.status;
        if (Status s = tokenPass(rewritten, infix); s != kOk) return s;
    }
    return orderPostfix(infix, elementwise, list);
}

}  // namespace
}  // namespace engine

extern "C" uint16_t compileExpression(const char16_t* text, Token** list) {
    if (list == nullptr) return engine::kSyntaxError;
    *list = nullptr;
    if (text == nullptr) return engine::kOk;
    try {
        return engine::compile(std::u16string_view(text, platformTextLength(text)), list);
    } catch (...) {
        // Only memory can run out here; the parser's RAII has freed
        // everything it held.
        return engine::kEquationTooLong;
    }
}

extern "C" void freeCode(Token* list) {
    if (list == nullptr) return;
    for (Token* t = list; t->code != 0; ++t)
        if (engine::carriesText(t->code)) platformHeapFree(const_cast<char16_t*>(engine::tokenText(*t)));
    platformHeapFree(list);
}
