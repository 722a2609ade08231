// The main program's RPN keys that are no composition: sign change and swap.
// Each returns whether it filled the undo record.
#ifndef ORVANA_ENGINE_RPN_KEYS_H
#define ORVANA_ENGINE_RPN_KEYS_H

#include <string>
#include <string_view>

#include "engine/key_host.h"

namespace engine {

// The number typed in the edit line with its sign (or its exponent's sign)
// changed.
std::u16string signChanged(std::u16string_view text);

// Sign change of the edit line, or negation of the top entry when the edit
// line is empty.
bool changeSign(KeyHost& host);
// The edit line and the top entry, or with an empty edit line the top two
// entries, change places.
bool swapEntries(KeyHost& host);

}  // namespace engine

#endif
