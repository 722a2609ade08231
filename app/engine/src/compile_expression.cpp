// compileExpression: the special line forms, then rewrite, token pass and
// reordering; and freeCode.
#include <optional>
#include <string_view>

#include "engine/code_list.h"
#include "engine/compile_failure.h"
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

// Compiles one line. When failedAt is given and the failure lies in a token
// of the line, it receives that token's index in the line.
Status compile(std::u16string_view line, Token** list, std::optional<size_t>* failedAt) {
    const size_t lineLength = line.size();
    while (!line.empty() && line.front() == u' ') line.remove_prefix(1);
    if (line.empty()) return kOk;
    if (line.front() == u'*') return kCommentLine;

    const bool elementwise = line.starts_with(u"V:");
    if (elementwise) line.remove_prefix(2);
    // Index in the whole line of index 0 of what is left.
    const size_t offset = lineLength - line.size();

    InfixTokens infix;
    if (isLibraryTextLine(line)) {
        if (Status s = libraryTextTokens(line[0], line.substr(2), infix); s != kOk) return s;
    } else {
        const RewrittenLine rewritten = rewriteLine(line, failedAt != nullptr);
        if (rewritten.status != kOk) {
            if (failedAt != nullptr) *failedAt = offset + rewritten.failedAt;
            return rewritten.status;
        }
        size_t at = 0;
        if (Status s = tokenPass(rewritten, infix, &at); s != kOk) {
            if (failedAt != nullptr)
                *failedAt = offset + (at < rewritten.source.size() ? rewritten.source[at] : line.size());
            return s;
        }
    }
    return orderPostfix(infix, elementwise, list);
}

}  // namespace

std::optional<size_t> compileFailureColumn(std::u16string_view line) {
    std::optional<size_t> failedAt;
    Token* list = nullptr;
    try {
        if (compile(line, &list, &failedAt) == kOk) failedAt.reset();
    } catch (...) {
        failedAt.reset();
    }
    freeCode(list);
    return failedAt;
}

}  // namespace engine

extern "C" uint16_t compileExpression(const char16_t* text, Token** list) {
    if (list == nullptr) return engine::kSyntaxError;
    *list = nullptr;
    if (text == nullptr) return engine::kOk;
    try {
        return engine::compile(std::u16string_view(text, platformTextLength(text)), list, nullptr);
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
