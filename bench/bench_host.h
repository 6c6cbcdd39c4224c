// The benchmarks' host: the test kit's fake host, not recording, so that it
// answers at once and the figures are the component's and the baseline's.
#pragma once

#include "tests/support/fake_host.h"

#include <cstdint>

namespace bench {

// Gives `host` `count` playlists with names of several lengths and item
// counts up to 499; the first is active and holds no items.
void add_playlists(testing_support::fake_host& host, std::uint32_t count);

} // namespace bench
