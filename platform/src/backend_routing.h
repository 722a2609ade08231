// Routing a service to the backend that provides it: the installed table when
// it is long enough to hold the entry and the entry is set, else the headless
// backend, which provides every entry.
#ifndef ORVANA_PLATFORM_BACKEND_ROUTING_H
#define ORVANA_PLATFORM_BACKEND_ROUTING_H

#include <cstddef>

#include "platform/backend.h"

namespace platform {

template <typename Entry>
const PlatformBackend* backendFor(Entry PlatformBackend::*entry) {
    const PlatformBackend* backend = platformCurrentBackend();
    const auto* base = reinterpret_cast<const char*>(backend);
    const auto* at = reinterpret_cast<const char*>(&(backend->*entry));
    const bool present =
        static_cast<size_t>(at - base) + sizeof(Entry) <= backend->size && backend->*entry != nullptr;
    return present ? backend : platformHeadlessBackend();
}

}  // namespace platform

#endif
