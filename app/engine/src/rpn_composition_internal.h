// For key insertion: composeRpn telling whether it filled the undo record
// (compositions that only type into the edit line leave it to the key).
#ifndef ORVANA_ENGINE_RPN_COMPOSITION_INTERNAL_H
#define ORVANA_ENGINE_RPN_COMPOSITION_INTERNAL_H

#include <string_view>

#include "engine/key_host.h"

namespace engine {

bool composeRpnRecorded(KeyHost& host, std::u16string_view keyText);

}  // namespace engine

#endif
