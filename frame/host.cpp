#include "frame/host.h"

namespace relayvo {

namespace {
quorvel::host_api* host_api = nullptr;
quorvel::module_handle module_handle = nullptr;
quorvel::active_playlist* kept_active = nullptr;
} // namespace

void connect_host(quorvel::host_api* api, quorvel::module_handle module) {
    module_handle = module;
    host_api = api;
}

quorvel::host_api* host() {
    return host_api;
}

quorvel::module_handle module() {
    return module_handle;
}

quorvel::service_object* find_service(const quorvel::guid& cls, std::uint32_t index) {
    return host_api ? host_api->find_service(cls, index) : nullptr;
}

quorvel::playlist_roster* roster() {
    return static_cast<quorvel::playlist_roster*>(find_service(quorvel::playlist_roster_class, 0));
}

quorvel::active_playlist* active_playlist() {
    if (!kept_active)
        kept_active =
            static_cast<quorvel::active_playlist*>(find_service(quorvel::active_playlist_class, 0));
    return kept_active;
}

void forget_active_playlist() {
    kept_active = nullptr;
}

} // namespace relayvo
