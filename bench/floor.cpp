#include "bench/floor.h"

#include "bench/bench_host.h"
#include "quorvel/commands.h"
#include "quorvel/playlists.h"

#include <benchmark/benchmark.h>

namespace bench {

void floor_table::fold(std::int64_t value) {
    folded_ += static_cast<std::uint64_t>(value);
}

std::int32_t floor_table::item_count(quorvel::host_api& host, std::uint32_t index) {
    std::int32_t active = roster(host)->active_index();
    fold(active);
    if (active >= 0 && static_cast<std::uint32_t>(active) == index) {
        if (!active_)
            active_ = static_cast<quorvel::active_playlist*>(
                host.find_service(quorvel::active_playlist_class, 0));
        return active_->item_count();
    }
    return roster(host)->playlist_item_count(index);
}

void floor_table::rebuild(quorvel::host_api& host, std::uint32_t playlists, const options& o) {
    playlists_ = playlists;
    for (std::uint32_t i = 0; i < playlists; ++i) {
        fold(roster(host)->playlist_name(i, name_));
        fold(static_cast<std::int64_t>(name_.text.size()));
        fold(item_count(host, i));
    }
    if (o.show_numbers)
        for (std::uint32_t i = 0; i < playlists; ++i) {
            fold(roster(host)->playlist_name(i, name_));
            fold(static_cast<std::int64_t>(name_.text.size()));
        }
    benchmark::DoNotOptimize(folded_);
}

void floor_table::rename(quorvel::host_api& host, std::uint32_t index, const char*,
                         const options&) {
    if (index >= playlists_) return;
    fold(item_count(host, index));
    benchmark::DoNotOptimize(folded_);
}

bool floor_table::display(quorvel::host_api& host, std::uint32_t index,
                          quorvel::handle_list& tracks, quorvel::text_buffer& out,
                          const quorvel::guid& caller) {
    if (!shown(host, index, tracks, caller, playlists_)) return false;
    out.assign("", quorvel::unbounded);
    return true;
}

} // namespace bench
