// The token cursor on the expression line's edit model.
#include "shell/token_cursor.h"

#include <algorithm>
#include <string>

#include "platform/edit_control.h"

namespace shell {
namespace {

bool isLetter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

std::u16string textOf(PlatformWindow edit) {
    std::u16string text(platformEditTextLength(edit) + 1, u'\0');
    text.resize(platformEditGetText(edit, text.data(), text.size()));
    return text;
}

void select(PlatformWindow edit, TokenRange token) {
    if (token.start < token.end) platformEditSetSelection(edit, token.start, token.end);
}

}  // namespace

TokenRange tokenEndingAt(std::u16string_view text, int32_t position) {
    const int32_t end = std::clamp<int32_t>(position, 0, int32_t(text.size()));
    if (end == 0) return {0, 0};
    int32_t start = end - 1;
    if (isLetter(text[size_t(start)]))
        while (start > 0 && isLetter(text[size_t(start - 1)])) --start;
    return {start, end};
}

TokenRange tokenStartingAt(std::u16string_view text, int32_t position) {
    const int32_t size = int32_t(text.size());
    const int32_t start = std::clamp<int32_t>(position, 0, size);
    if (start == size) return {size, size};
    int32_t end = start + 1;
    if (isLetter(text[size_t(start)]))
        while (end < size && isLetter(text[size_t(end)])) ++end;
    return {start, end};
}

void selectTokenBeforeCaret(PlatformWindow edit) {
    int32_t start = 0, end = 0;
    platformEditGetSelection(edit, &start, &end);
    select(edit, tokenEndingAt(textOf(edit), end));
}

void tokenCursorLeft(PlatformWindow edit) {
    int32_t start = 0, end = 0;
    platformEditGetSelection(edit, &start, &end);
    select(edit, tokenEndingAt(textOf(edit), start));
}

void tokenCursorRight(PlatformWindow edit) {
    int32_t start = 0, end = 0;
    platformEditGetSelection(edit, &start, &end);
    select(edit, tokenStartingAt(textOf(edit), end));
}

}  // namespace shell
