#include "engine/token_cursor.h"

#include <string>

#include "edit_text.h"
#include "platform/edit_control.h"

namespace engine {
namespace {

bool isLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

// Selects the token that ends at `end`.
void selectEndingAt(PlatformWindow edit, const std::u16string& text, int32_t end) {
    int32_t start = end;
    if (start > 0 && isLetter(text[start - 1])) {
        while (start > 0 && isLetter(text[start - 1])) --start;
    } else if (start > 0) {
        --start;
    }
    platformEditSetSelection(edit, start, end);
}

}  // namespace

void selectTokenBeforeCaret(PlatformWindow edit) {
    int32_t start = 0, end = 0;
    platformEditGetSelection(edit, &start, &end);
    selectEndingAt(edit, editText(edit), end);
}

void selectTokenLeft(PlatformWindow edit) {
    int32_t start = 0, end = 0;
    platformEditGetSelection(edit, &start, &end);
    selectEndingAt(edit, editText(edit), start);
}

void selectTokenRight(PlatformWindow edit) {
    int32_t start = 0, end = 0;
    platformEditGetSelection(edit, &start, &end);
    const std::u16string text = editText(edit);
    const auto size = int32_t(text.size());
    int32_t stop = end;
    if (stop < size && isLetter(text[stop])) {
        while (stop < size && isLetter(text[stop])) ++stop;
    } else if (stop < size) {
        ++stop;
    }
    platformEditSetSelection(edit, end, stop);
}

void collapseSelection(PlatformWindow edit) {
    int32_t start = 0, end = 0;
    platformEditGetSelection(edit, &start, &end);
    platformEditSetSelection(edit, end, end);
}

}  // namespace engine
