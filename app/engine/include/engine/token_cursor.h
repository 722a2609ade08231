// The token cursor of the expression edit line: the selection highlights one
// token, a maximal run of the letters A-Z and a-z or any other single
// character, so that Back deletes a whole function name and keys insert
// after the highlighted token.
#ifndef ORVANA_ENGINE_TOKEN_CURSOR_H
#define ORVANA_ENGINE_TOKEN_CURSOR_H

#include "platform/message_box.h"

namespace engine {

// Selects the token that ends at the caret (the selection's end); at the
// start of the text the caret stays there.
void selectTokenBeforeCaret(PlatformWindow edit);
// Selects the token before the selection's start.
void selectTokenLeft(PlatformWindow edit);
// Selects the token that begins at the selection's end.
void selectTokenRight(PlatformWindow edit);
// Collapses the selection to its end.
void collapseSelection(PlatformWindow edit);

}  // namespace engine

#endif
