// The floor every side is measured against: the host calls that a rebuild,
// a rename and a menu query must make, in the component's order and with its
// service lookups, and nothing else. No version of the component can be
// faster than making these calls.
#pragma once

#include "bench/options.h"
#include "quorvel/containers.h"
#include "tests/support/fake_host.h"
#include "tests/support/host_containers.h"

#include <cstdint>

namespace bench {

// Keeps no text: every result the host gives is folded into one value that
// the benchmark keeps, so that link-time optimisation cannot drop a call.
class floor_table {
public:
    // A rebuild's calls for `playlists` playlists: the name, the active index
    // and the item count of each, then each name again where paths are kept.
    void rebuild(testing_support::fake_host& host, std::uint32_t playlists, const options& o);
    // A rename's calls: the active index and the item count of playlist `index`.
    void rename(testing_support::fake_host& host, std::uint32_t index, const char* name,
                const options& o);
    // A menu query's calls: the selection's count, the active index when
    // asked from the playlist view, and the display text, which is empty
    // since the floor keeps no label.
    bool display(testing_support::fake_host& host, std::uint32_t index,
                 quorvel::handle_list& tracks, quorvel::text_buffer& out,
                 const quorvel::guid& caller);
    // The playlists of the last rebuild, one command each.
    std::uint32_t command_count() const { return playlists_; }

private:
    // The item count of playlist `index`, asked as the component asks it.
    std::int32_t item_count(testing_support::fake_host& host, std::uint32_t index);
    void fold(std::int64_t value);

    std::uint32_t playlists_ = 0;
    testing_support::string_buffer name_;        // the playlist's name from the host
    quorvel::active_playlist* active_ = nullptr; // looked up once and kept, as the component does
    std::uint64_t folded_ = 0;
};

} // namespace bench
