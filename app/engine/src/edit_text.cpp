#include "edit_text.h"

#include "platform/edit_control.h"

namespace engine {

std::u16string editText(PlatformWindow edit) {
    std::u16string text(platformEditTextLength(edit), u'\0');
    platformEditGetText(edit, text.data(), text.size() + 1);
    return text;
}

void setEditText(PlatformWindow edit, std::u16string_view text) {
    const std::u16string terminated(text);
    platformEditSetText(edit, terminated.c_str());
}

void collapseSelection(PlatformWindow edit) {
    int32_t start = 0, end = 0;
    platformEditGetSelection(edit, &start, &end);
    platformEditSetSelection(edit, end, end);
}

}  // namespace engine
