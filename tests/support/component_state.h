// The component's static state put back between tests that link its parts.
#pragma once

#include "commands/command_sources.h"
#include "commands/entry_table.h"
#include "quorvel/client.h"

#include <memory>
#include <utility>

namespace testing_support {

// Puts the component's static state back to how loading leaves it (default
// settings, no playlists, empty table, nothing cached) and connects `host`.
void connect_component(quorvel::host_api& host);
// Empties the table, forgets what was cached and disconnects the host.
void disconnect_component();

// The component's own variables as the assembly gives them to its parts:
// the settings the tests set.
relayvo::entry_settings component_entry_settings();
relayvo::command_settings component_command_settings();

// Destroys `object` and constructs it again in place from `args`: it holds
// what construction gives it and nothing else, and references to it stay good.
template <class T, class... Args>
void renew(T& object, Args&&... args) {
    std::destroy_at(&object);
    std::construct_at(&object, std::forward<Args>(args)...);
}

} // namespace testing_support
