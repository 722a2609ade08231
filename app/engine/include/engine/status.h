// The status type the engine returns (0 is success); the codes are the
// shared ones of platform/status.h, reachable here as engine::kOk and so on.
#ifndef ORVANA_ENGINE_STATUS_H
#define ORVANA_ENGINE_STATUS_H

#include <cstdint>

#include "platform/status.h"

namespace engine {

using Status = uint16_t;
using namespace orvana;

}  // namespace engine

#endif
