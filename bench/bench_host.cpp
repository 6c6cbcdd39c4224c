#include "bench/bench_host.h"

#include "quorvel/commands.h"
#include "quorvel/playlists.h"

#include <string>

namespace bench {

testing_support::fake_playlist made_playlist(std::uint32_t n) {
    const char* genres[] = {"Rock", "Jazz", "Ambient evenings", "Classical — Baroque", "Podcasts"};
    return {std::string(genres[n % 5]) + " " + std::to_string(n),
            {},
            static_cast<std::int32_t>(n * 7 % 500)};
}

void add_playlists(testing_support::fake_host& host, std::uint32_t count) {
    for (std::uint32_t i = 0; i < count; ++i) {
        testing_support::fake_playlist made = made_playlist(i);
        host.add_playlist(made.name).roster_count = made.roster_count;
    }
}

bool shown(testing_support::fake_host& host, std::uint32_t index, quorvel::handle_list& tracks,
           const quorvel::guid& caller, std::uint32_t commands) {
    if (tracks.count() == 0) return false;
    if (caller == quorvel::caller_playlist_view &&
        roster(host)->active_index() == static_cast<std::int32_t>(index))
        return false;
    return index < commands;
}

quorvel::playlist_roster* roster(quorvel::host_api& host) {
    return static_cast<quorvel::playlist_roster*>(
        host.find_service(quorvel::playlist_roster_class, 0));
}

} // namespace bench
