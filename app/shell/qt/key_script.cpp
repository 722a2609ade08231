#include "key_script.h"

#include <optional>

namespace orvana::qt {

namespace {

using Kind = ScriptedKey::Kind;

// A non-negative decimal number that fills the text, below 10^9.
std::optional<int32_t> number(const std::u16string& text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    int32_t n = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
        n = n * 10 + (c - u'0');
    }
    return n;
}

// The key a brace group's content names, if it names one.
std::optional<ScriptedKey> named(const std::u16string& name) {
    struct Plain {
        const char16_t* name;
        Kind kind;
        int32_t value;
    };
    static const Plain plain[] = {
        {u"Enter", Kind::Enter, 0}, {u"BS", Kind::Backspace, 0}, {u"Back", Kind::Back, 0},
        {u"Up", Kind::Up, 0},       {u"Down", Kind::Down, 0},    {u"Left", Kind::Left, 0},
        {u"Right", Kind::Right, 0}, {u"F6", Kind::Function, 6},  {u"F7", Kind::Function, 7},
        {u"F8", Kind::Function, 8}, {u"F9", Kind::Function, 9},  {u"F10", Kind::Function, 10},
    };
    for (const Plain& p : plain)
        if (name == p.name) return ScriptedKey{p.kind, p.value};
    const size_t colon = name.find(u':');
    if (colon == std::u16string::npos) return std::nullopt;
    const std::u16string head = name.substr(0, colon), rest = name.substr(colon + 1);
    if (head == u"Cmd" || head == u"Wait") {
        const auto n = number(rest);
        if (!n) return std::nullopt;
        return ScriptedKey{head == u"Cmd" ? Kind::Command : Kind::Wait, *n};
    }
    if (head == u"Click") {
        const size_t comma = rest.find(u',');
        if (comma == std::u16string::npos) return std::nullopt;
        const auto x = number(rest.substr(0, comma)), y = number(rest.substr(comma + 1));
        if (!x || !y) return std::nullopt;
        return ScriptedKey{Kind::Click, 0, *x, *y};
    }
    return std::nullopt;
}

}  // namespace

std::vector<ScriptedKey> parseKeyScript(const std::u16string& text) {
    std::vector<ScriptedKey> keys;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'{') {
            const size_t close = text.find(u'}', i + 1);
            if (close != std::u16string::npos) {
                if (auto key = named(text.substr(i + 1, close - i - 1))) {
                    keys.push_back(*key);
                    i = close;
                    continue;
                }
            }
        }
        keys.push_back(ScriptedKey{Kind::Character, int32_t(text[i])});
    }
    return keys;
}

}  // namespace orvana::qt
