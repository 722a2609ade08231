// Reordering the infix tokens into the postfix code list.
#ifndef ORVANA_ENGINE_POSTFIX_ORDER_H
#define ORVANA_ENGINE_POSTFIX_ORDER_H

#include "engine/status.h"
#include "infix_tokens.h"

namespace engine {

// Allocates the code list (heap) and moves the token texts into it. On
// failure *list stays null and the infix tokens keep their texts.
Status orderPostfix(InfixTokens& infix, bool elementwise, Token** list);

}  // namespace engine

#endif
