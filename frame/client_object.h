// The component_client the export hands to the host, and the module texts it keeps.
#pragma once

#include "quorvel/client.h"
#include "text/owned_text.h"

namespace relayvo {

// The two texts of set_module_location; only the module name is ever read back.
struct module_location {
    owned_text location;
    owned_text module_name;
};
// Defined with the component's other static objects, which fix their order.
extern module_location module_texts;

class client_object final : public quorvel::component_client {
public:
    std::int32_t client_version() override { return quorvel::client_interface_version; }
    quorvel::service_entry* first_service_entry() override;
    void save_configuration(quorvel::config_sink& sink) override;
    void load_configuration(const void* data, std::uint32_t length) override;
    void reset_configuration() override {}
    void set_module_location(const char* location, const char* module_name) override;
    void set_services_ready(bool) override {}
};

// The one client object.
extern client_object client;

} // namespace relayvo
