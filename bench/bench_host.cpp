#include "bench/bench_host.h"

namespace bench {

quick_host::quick_host(std::size_t playlists) {
    const char* genres[] = {"Rock", "Jazz", "Ambient evenings", "Classical — Baroque", "Podcasts"};
    for (std::size_t i = 0; i < playlists; ++i)
        names.push_back(std::string(genres[i % 5]) + " " + std::to_string(i));
}

quorvel::service_object* quick_host::find_service(const quorvel::guid& cls, std::uint32_t) {
    if (cls == quorvel::playlist_roster_class) return this;
    if (cls == quorvel::active_playlist_class) return &active_list;
    return nullptr;
}

} // namespace bench
