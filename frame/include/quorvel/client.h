// The host's entry into the component: the exported function, the client
// object it returns, and the host_api through which the component finds services.
//
// What a host must do, for the component and every interface it publishes:
// - Call it on one thread only, the one that called the export: all of its
//   state is global and unlocked. Builds of the component with assertions
//   stop at a call from any other thread.
// - Let no exception out of anything the component calls (the host_api, the
//   host's services and text buffers, the sink, the window library): the
//   component is built without exceptions, so its frames run no cleanup as
//   one passes, and a flag it holds for the length of a call (as the page
//   does while it fills a field) would stay set for good.
// - Destroy every page window it created before it unloads the library.
#pragma once

#include "quorvel/abi.h"
#include "quorvel/service.h"

namespace quorvel {

// The host's directory of services.
class host_api {
public:
    // Returns the service of class `cls` at zero-based `index`, or null. The
    // component releases once each command source it is given, and each
    // answer of their query for the extended interface, when done with it
    // (while it runs a host command by guid); it never releases the playlist
    // roster (asked for again at each use) or the active playlist (asked for
    // once and kept until the library is unloaded).
    virtual service_object* find_service(const guid& cls, std::uint32_t index) = 0;
};

// Where the host collects the configuration bytes.
class config_sink {
public:
    // Takes `length` bytes, in the order given.
    virtual void write(const void* bytes, std::uint32_t length) = 0;
};

// The component's one object the host reaches through the export.
class component_client {
public:
    // Returns the interface version the component speaks (35).
    virtual std::int32_t client_version() = 0;
    // Returns the head of the published service list.
    virtual service_entry* first_service_entry() = 0;
    // Writes the configuration blob into `sink`.
    virtual void save_configuration(config_sink& sink) = 0;
    // Sets the configuration variables named in the blob at `data`.
    virtual void load_configuration(const void* data, std::uint32_t length) = 0;
    // Does nothing; kept for hosts that call it.
    virtual void reset_configuration() = 0;
    // Stores copies of the module's location and name (the name is reported back).
    virtual void set_module_location(const char* location, const char* module_name) = 0;
    // Tells the component the host's services are up; nothing depends on it.
    virtual void set_services_ready(bool ready) = 0;
};

// Interface version of the client.
inline constexpr std::int32_t client_interface_version = 35;

} // namespace quorvel

// Stores the host's api and the module handle; returns the component's client.
QUORVEL_EXPORT quorvel::component_client* quorvel_get_interface(quorvel::host_api* api,
                                                                quorvel::module_handle module);
// Type of the export, for hosts that resolve it by name.
using quorvel_get_interface_fn = quorvel::component_client* (*)(quorvel::host_api*,
                                                                quorvel::module_handle);
