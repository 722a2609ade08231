// Reading and writing the text of an edit-control model.
#ifndef ORVANA_ENGINE_EDIT_TEXT_H
#define ORVANA_ENGINE_EDIT_TEXT_H

#include <string>
#include <string_view>

#include "platform/message_box.h"

namespace engine {

std::u16string editText(PlatformWindow edit);
// Replaces the text and puts the caret at its end.
void setEditText(PlatformWindow edit, std::u16string_view text);
// Collapses the selection to its end: keys insert after the highlighted
// token.
void collapseSelection(PlatformWindow edit);

}  // namespace engine

#endif
