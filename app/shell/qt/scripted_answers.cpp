#include "scripted_answers.h"

#include <algorithm>

#include "platform/message_box.h"

namespace orvana::qt {

namespace {

std::u16string lower(std::u16string text) {
    for (char16_t& c : text)
        if (c >= u'A' && c <= u'Z') c = char16_t(c - u'A' + u'a');
    return text;
}

}  // namespace

ScriptedAnswers ScriptedAnswers::parse(const std::u16string& list) {
    ScriptedAnswers answers;
    if (list.empty()) return answers;
    size_t start = 0;
    for (;;) {
        const size_t comma = list.find(u',', start);
        answers.answers_.push_back(list.substr(start, comma - start));
        if (comma == std::u16string::npos) break;
        start = comma + 1;
    }
    return answers;
}

std::optional<std::u16string> ScriptedAnswers::take() {
    if (answers_.empty()) return std::nullopt;
    std::u16string answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

int ScriptedAnswers::messageBoxAnswer(uint32_t style) {
    const int fallback = platformMessageBoxDefaultAnswer(style);
    const auto answer = take();
    if (!answer) return fallback;
    const bool yesNo = (style & PLATFORM_MB_BUTTON_MASK) == PLATFORM_MB_YESNO;
    const std::u16string word = lower(*answer);
    if (word == u"yes") return yesNo ? PLATFORM_IDYES : PLATFORM_IDOK;
    if (word == u"no" || word == u"cancel") return yesNo ? PLATFORM_IDNO : PLATFORM_IDOK;
    if (word == u"ok") return yesNo ? PLATFORM_IDYES : PLATFORM_IDOK;
    return fallback;
}

int32_t ScriptedAnswers::choose(const std::vector<std::u16string>& texts, int32_t fallback) {
    const auto answer = take();
    if (!answer) return fallback;
    if (answer->size() > 1 && (*answer)[0] == u'#') {
        int32_t n = 0;
        for (size_t i = 1; i < answer->size(); ++i) {
            const char16_t c = (*answer)[i];
            if (c < u'0' || c > u'9' || n > 100000) return -1;
            n = n * 10 + (c - u'0');
        }
        return n < int32_t(texts.size()) ? n : -1;
    }
    const auto found = std::find(texts.begin(), texts.end(), *answer);
    return found == texts.end() ? -1 : int32_t(found - texts.begin());
}

}  // namespace orvana::qt
