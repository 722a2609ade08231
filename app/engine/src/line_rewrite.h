// The character-level rewrite of an ordinary line: spaces out, bracket and
// separator forms unified, an assignment turned into an indexing form.
#ifndef ORVANA_ENGINE_LINE_REWRITE_H
#define ORVANA_ENGINE_LINE_REWRITE_H

#include <string>
#include <string_view>

#include "engine/status.h"

namespace engine {

constexpr size_t kRewriteLimit = 200;

struct RewrittenLine {
    Status status = kOk;
    std::u16string text;
    bool assignment = false;
};

// 'a=3+4' becomes 'a[3+4)', 'a[2]=5' becomes 'a[2,5)'; a ':' that forms a
// range becomes the range character.
RewrittenLine rewriteLine(std::u16string_view line);

}  // namespace engine

#endif
