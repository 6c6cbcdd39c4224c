// The component's static state put back between tests that link its parts.
#pragma once

#include "quorvel/client.h"

namespace testing_support {

// Puts the component's static state back to how loading leaves it (default
// settings, no playlists, empty table, nothing cached) and connects `host`.
void connect_component(quorvel::host_api& host);
// Empties the table and disconnects the host.
void disconnect_component();

} // namespace testing_support
