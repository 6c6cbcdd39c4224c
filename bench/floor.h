// The floor every side is measured against: the host calls that a rebuild,
// a rename and a menu query must make, in the component's order and with its
// service lookups, and nothing else. No version of the component can be
// faster than making these calls.
#pragma once

#include "bench/table.h"
#include "tests/support/host_containers.h"

#include <cstdint>

namespace bench {

// A rebuild makes, for each playlist, the calls for its name, the active
// index and its item count, then asks each name again where paths are kept;
// a rename asks the active index and the item count; a menu query makes the
// calls before its text and hands the host the empty text, since the floor
// keeps no label. It keeps no text: every result the host gives is folded
// into one value that the benchmark keeps, so that link-time optimisation
// cannot drop a call.
class floor_table final : public table {
public:
    void rebuild(quorvel::host_api& host, std::uint32_t playlists, const options& o) override;
    void rename(quorvel::host_api& host, std::uint32_t index, const char* name,
                const options& o) override;
    bool display(quorvel::host_api& host, std::uint32_t index, quorvel::handle_list& tracks,
                 quorvel::text_buffer& out, const quorvel::guid& caller) override;
    std::uint32_t command_count() const override { return playlists_; } // one per playlist

private:
    // The item count of playlist `index`, asked as the component asks it.
    std::int32_t item_count(quorvel::host_api& host, std::uint32_t index);
    void fold(std::int64_t value);

    std::uint32_t playlists_ = 0;
    testing_support::string_buffer name_;        // the playlist's name from the host
    quorvel::active_playlist* active_ = nullptr; // looked up once and kept, as the component does
    std::uint64_t folded_ = 0;
};

} // namespace bench
