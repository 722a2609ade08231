// The answers of the window's key mode (--answers a,b,c): taken in order by
// whatever asks next. A message box takes ok/yes/no/cancel, a prompt field or
// a name field takes the text, a menu or a list takes the item whose text
// matches, or "#n" for the n-th item counted from 0. With no answer left, a
// box takes its default button, a prompt keeps its prefilled text and is
// confirmed, a list keeps its selection, and a menu is dismissed.
#ifndef ORVANA_SHELL_QT_SCRIPTED_ANSWERS_H
#define ORVANA_SHELL_QT_SCRIPTED_ANSWERS_H

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace orvana::qt {

class ScriptedAnswers {
public:
    // Splits a comma-separated list; an empty list gives no answers.
    static ScriptedAnswers parse(const std::u16string& list);

    bool empty() const { return answers_.empty(); }
    // The next answer, taken off the list, or nothing when none is left.
    std::optional<std::u16string> take();

    // The button for a message box: PLATFORM_IDOK/IDYES/IDNO, or the box's
    // default answer for `style` when no answer is left or it is not a button
    // name ("cancel" is No on a Yes/No box and OK on an OK box).
    int messageBoxAnswer(uint32_t style);
    // The index among `texts` for a menu or list (-1: dismissed or cancelled,
    // `fallback` when no answer is left).
    int32_t choose(const std::vector<std::u16string>& texts, int32_t fallback);

private:
    std::deque<std::u16string> answers_;
};

}  // namespace orvana::qt

#endif
