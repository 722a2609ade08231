// Stage one of compiling an ordinary line.
#include "line_rewrite.h"

#include "engine/keyword_table.h"

namespace engine {
namespace {

// A ':' right after one of these is the lone colon (every row or column);
// anywhere else it joins the two bounds of a range.
bool startsIndexPosition(char16_t c) { return c == u'[' || c == u'(' || c == u','; }

void markRanges(std::u16string& text) {
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] == u':' && (i == 0 || !startsIndexPosition(text[i - 1])))
            text[i] = kRangeCharacter;
}

}  // namespace

RewrittenLine rewriteLine(std::u16string_view line, bool mapSource) {
    RewrittenLine r;
    std::u16string& out = r.text;
    out.reserve(kRewriteLimit + 2);
    Status recorded = kOk;
    bool quoted = false;
    // Every character appended since the last look came from index i.
    const auto mapUpTo = [&](size_t i) {
        if (mapSource) r.source.resize(out.size(), uint16_t(i));
    };

    for (size_t i = 0; i < line.size(); mapUpTo(i), ++i) {
        char16_t c = line[i];
        if (quoted) {
            out += c;
            if (c == u'"') quoted = false;
        } else if (c == u' ') {
            continue;
        } else if (c == u'=') {
            if (out.empty()) {
                r.status = kSyntaxError;
                r.failedAt = i;
                return r;
            }
            if (r.assignment) {
                if (recorded == kOk) {
                    recorded = kSyntaxError;
                    r.failedAt = i;
                }
                continue;
            }
            r.assignment = true;
            if (out.back() == u')')
                out.back() = u',';
            else
                out += u'[';
        } else {
            if (c == u']') c = u')';
            if (c == u';') c = u',';
            out += c;
            if (c == u'"') quoted = true;
        }
        if (out.size() > kRewriteLimit) {
            if (recorded == kOk) r.failedAt = i;
            r.status = recorded != kOk ? recorded : kEquationTooLong;
            return r;
        }
    }
    if (recorded != kOk) {
        r.status = recorded;
        return r;
    }
    if (r.assignment) out += u')';
    mapUpTo(line.size());
    markRanges(out);
    return r;
}

}  // namespace engine
