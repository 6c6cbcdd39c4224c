#include "tests/support/component_state.h"

#include "config/variables.h"
#include "frame/host.h"
#include "tests/support/config_state.h"

namespace testing_support {

void connect_component(quorvel::host_api& host) {
    config_support::set_values({});
    disconnect_component();
    relayvo::connect_host(&host, nullptr);
}

void disconnect_component() {
    renew(relayvo::entries, component_entry_settings());
    relayvo::forget_active_playlist();
    relayvo::connect_host(nullptr, nullptr);
}

relayvo::entry_settings component_entry_settings() {
    return {relayvo::add_index, relayvo::add_total, relayvo::show_numbers,
            relayvo::use_custom_group, relayvo::cust_group_name};
}

relayvo::command_settings component_command_settings() {
    return {relayvo::move_files, relayvo::force_on};
}

} // namespace testing_support
