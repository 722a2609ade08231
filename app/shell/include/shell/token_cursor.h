// The token cursor of the expression line: the selection highlights one
// token, a run of letters A-Z and a-z or any other single character, so that
// Back deletes a whole function name and Left and Right step over names.
#ifndef ORVANA_SHELL_TOKEN_CURSOR_H
#define ORVANA_SHELL_TOKEN_CURSOR_H

#include <cstdint>
#include <string_view>

#include "platform/message_box.h"

namespace shell {

struct TokenRange {
    int32_t start = 0;
    int32_t end = 0;  // empty when there is no token
};

// The token that ends at `position`: the letter run ending there or the one
// character before it. Empty at the start of the text.
TokenRange tokenEndingAt(std::u16string_view text, int32_t position);
// The token that begins at `position`. Empty at the end of the text.
TokenRange tokenStartingAt(std::u16string_view text, int32_t position);

// On an edit model: select the token just left of the caret (after a key or
// Back); Left selects the token before the selection, Right the token after
// it. Where there is no such token the selection stays.
void selectTokenBeforeCaret(PlatformWindow edit);
void tokenCursorLeft(PlatformWindow edit);
void tokenCursorRight(PlatformWindow edit);

}  // namespace shell

#endif
