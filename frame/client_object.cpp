#include "frame/client_object.h"

#include "frame/registry.h"

namespace relayvo {

quorvel::service_entry* client_object::first_service_entry() {
    check_host_thread();
    return first_entry();
}

void client_object::save_configuration(quorvel::config_sink& sink) {
    check_host_thread();
    blob_.write(sink);
}

void client_object::load_configuration(const void* data, std::uint32_t length) {
    check_host_thread();
    blob_.read(static_cast<const std::uint8_t*>(data), length);
}

void client_object::set_module_location(const char* location, const char* module_name) {
    check_host_thread();
    module_texts.location.assign(location, quorvel::unbounded);
    // A name that could not be copied reads as none, never as the one before.
    if (!module_texts.module_name.assign(module_name, quorvel::unbounded))
        module_texts.module_name.assign(nullptr, 0);
}

} // namespace relayvo
