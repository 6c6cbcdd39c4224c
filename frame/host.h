// What the component keeps of the host, and its lookups of the host's services.
#pragma once

#include "quorvel/client.h"
#include "quorvel/playlists.h"

namespace relayvo {

// Stores the host's api and the module handle the entry point received.
void connect_host(quorvel::host_api* api, quorvel::module_handle module);
// The stored host api; null before the entry point was called.
quorvel::host_api* host();
// The stored module handle; null before the entry point was called.
quorvel::module_handle module();

// The host's service of class `cls` at `index`, or null.
quorvel::service_object* find_service(const quorvel::guid& cls, std::uint32_t index);
// The playlist roster, looked up afresh on every use.
quorvel::playlist_roster* roster();
// The active playlist service: looked up until found, then kept until unload.
quorvel::active_playlist* active_playlist();
// Drops the kept active playlist service, so the next use looks it up again.
void forget_active_playlist();

// Enumerates the host's services of one class: index 0, 1, ... until null.
class service_cursor {
public:
    explicit service_cursor(const quorvel::guid& cls) : class_guid_(cls) {}
    // Starts again at index 0.
    void reset() { count_ = 0; }
    // The next service, or null at the end.
    quorvel::service_object* next() { return find_service(class_guid_, count_++); }

private:
    std::uint32_t count_ = 0;
    quorvel::guid class_guid_;
};

} // namespace relayvo
