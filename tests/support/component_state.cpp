#include "tests/support/component_state.h"

#include "commands/entry_table.h"
#include "frame/host.h"
#include "tests/support/config_state.h"

namespace testing_support {

void connect_component(quorvel::host_api& host) {
    config_support::set_values({});
    disconnect_component();
    relayvo::connect_host(&host, nullptr);
}

void disconnect_component() {
    renew(relayvo::entries);
    relayvo::forget_active_playlist();
    relayvo::connect_host(nullptr, nullptr);
}

} // namespace testing_support
