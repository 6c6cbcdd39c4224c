// The host's directory of services, the host_api the component looks services
// up in: the host's own (playlist roster, active playlist, its main-menu
// commands) and those the component published. Within a class, the host's own
// come first, then the component's in the order of its list.
#pragma once

#include "quorvel/client.h"
#include "services/main_menu_commands.h"
#include "services/playlist_services.h"
#include "services/published_service.h"

#include <vector>

namespace host {

class host_directory final : public quorvel::host_api {
public:
    explicit host_directory(playlist_model& model);

    quorvel::service_object* find_service(const quorvel::guid& cls, std::uint32_t index) override;

    // Files the component's services, or none (null) once it is unloaded.
    void publish(const std::vector<published_service>* services) { published_ = services; }

    // The host's own main-menu commands.
    main_menu_commands& main_menu() { return main_menu_; }
    // The component's services, or null while none is loaded.
    const std::vector<published_service>* published() const { return published_; }

private:
    roster_service roster_;
    active_playlist_service active_;
    main_menu_commands main_menu_;
    const std::vector<published_service>* published_ = nullptr;
};

} // namespace host
