#include "bench/bench_host.h"

#include <string>

namespace bench {

void add_playlists(testing_support::fake_host& host, std::uint32_t count) {
    const char* genres[] = {"Rock", "Jazz", "Ambient evenings", "Classical — Baroque", "Podcasts"};
    for (std::uint32_t i = 0; i < count; ++i)
        host.add_playlist(std::string(genres[i % 5]) + " " + std::to_string(i)).roster_count =
            static_cast<std::int32_t>(i * 7 % 500);
}

} // namespace bench
