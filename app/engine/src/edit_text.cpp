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

}  // namespace engine
