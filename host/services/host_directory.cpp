#include "services/host_directory.h"

#include "trace/trace.h"

namespace host {

host_directory::host_directory(playlist_model& model)
    : roster_(model), active_(model), main_menu_(model) {}

quorvel::service_object* host_directory::find_service(const quorvel::guid& cls,
                                                      std::uint32_t index) {
    trace::call c(trace::direction::to_host, "host_api", "find_service", trace::class_name(cls),
                  index);
    // The host's own service of the class, if it has one; it takes index 0.
    quorvel::service_object* own = nullptr;
    const char* own_name = nullptr;
    if (cls == quorvel::playlist_roster_class) {
        own = &roster_;
        own_name = roster_.name();
    } else if (cls == quorvel::active_playlist_class) {
        own = &active_;
        own_name = active_.name();
    } else if (cls == quorvel::command_source_class) {
        own = &main_menu_;
        own_name = main_menu_.name();
    }
    if (own && index == 0) {
        c.shows(own_name);
        return own;
    }
    std::uint32_t wanted = own ? index - 1 : index;
    if (published_) {
        for (const published_service& s : *published_) {
            if (!(s.cls == cls)) continue;
            if (wanted-- != 0) continue;
            c.shows(s.name);
            add_ref(s); // the caller holds a reference, as with any lookup
            return s.object;
        }
    }
    c.shows("null");
    return nullptr;
}

} // namespace host
