// The benchmarks' host: the test kit's fake host, not recording, so that it
// answers at once and the figures are the component's and the plain version's.
// The benchmarks change its playlists directly, then tell the side under test.
#pragma once

#include "tests/support/fake_host.h"

#include <cstdint>

namespace bench {

// A playlist like the `n`-th one add_playlists gives: names of several
// lengths, item counts up to 499.
testing_support::fake_playlist made_playlist(std::uint32_t n);
// Gives `host` `count` playlists; the first is active and holds no items.
void add_playlists(testing_support::fake_host& host, std::uint32_t count);
// The host's playlist roster, looked up afresh as the component looks it up.
quorvel::playlist_roster* roster(quorvel::host_api& host);
// Whether a menu query shows by-index command `index` of `commands` for
// `tracks`, asked by `caller`: the calls a query makes before its text.
bool shown(testing_support::fake_host& host, std::uint32_t index, quorvel::handle_list& tracks,
           const quorvel::guid& caller, std::uint32_t commands);

} // namespace bench
