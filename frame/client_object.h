// The component_client the export hands to the host, and the module texts it keeps.
#pragma once

#include "frame/host_thread.h"
#include "quorvel/client.h"
#include "text/owned_text.h"

#include <cstdint>

namespace relayvo {

// The two operations the configuration offers the client, which hands them
// the host's sink and bytes.
struct configuration_blob {
    // Writes the blob of every variable into `sink`.
    void (*write)(quorvel::config_sink& sink);
    // Sets the variables named in the `size` bytes at `data`.
    void (*read)(const std::uint8_t* data, std::uint32_t size);
};

// The two texts of set_module_location; only the module name is ever read back.
struct module_location {
    owned_text location;
    owned_text module_name;
};
// Defined with the component's other static objects, which fix their order.
extern module_location module_texts;

class client_object final : public quorvel::component_client {
public:
    explicit constexpr client_object(configuration_blob blob) : blob_(blob) {}

    std::int32_t client_version() override {
        check_host_thread();
        return quorvel::client_interface_version;
    }
    quorvel::service_entry* first_service_entry() override;
    void save_configuration(quorvel::config_sink& sink) override;
    void load_configuration(const void* data, std::uint32_t length) override;
    void reset_configuration() override { check_host_thread(); }
    void set_module_location(const char* location, const char* module_name) override;
    void set_services_ready(bool) override { check_host_thread(); }

private:
    configuration_blob blob_;
};

// The one client object, defined with the component's other static objects.
extern client_object client;

} // namespace relayvo
