// The character-level rewrite of an ordinary line: spaces out, bracket and
// separator forms unified, an assignment turned into an indexing form.
#ifndef ORVANA_ENGINE_LINE_REWRITE_H
#define ORVANA_ENGINE_LINE_REWRITE_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/status.h"

namespace engine {

constexpr size_t kRewriteLimit = 200;

struct RewrittenLine {
    Status status = kOk;
    std::u16string text;
    bool assignment = false;
    // When asked for: the index in the original line of each character of
    // text, and on failure the index of the character that failed.
    std::vector<uint16_t> source;
    size_t failedAt = 0;
};

// 'a=3+4' becomes 'a[3+4)', 'a[2]=5' becomes 'a[2,5)'; a ':' that forms a
// range becomes the range character. mapSource fills `source`.
RewrittenLine rewriteLine(std::u16string_view line, bool mapSource = false);

}  // namespace engine

#endif
