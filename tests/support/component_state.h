// The component's static state put back between tests that link its parts.
#pragma once

#include "quorvel/client.h"

#include <memory>
#include <utility>

namespace testing_support {

// Puts the component's static state back to how loading leaves it (default
// settings, no playlists, empty table, nothing cached) and connects `host`.
void connect_component(quorvel::host_api& host);
// Empties the table, forgets what was cached and disconnects the host.
void disconnect_component();

// Destroys `object` and constructs it again in place from `args`: it holds
// what construction gives it and nothing else, and references to it stay good.
template <class T, class... Args>
void renew(T& object, Args&&... args) {
    std::destroy_at(&object);
    std::construct_at(&object, std::forward<Args>(args)...);
}

} // namespace testing_support
