// Start-up at 1,000 playlists on the lean host with every option on, once, on
// the side its argument names (component, plain or floor). scripts/bench.sh
// runs it under callgrind, counting the instructions of bench::announce_all
// alone: the component's own per playlist visited is its count less the
// floor's, over the N(N+1)/2 playlists a start-up visits.
#include "bench/sides.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr std::uint32_t playlists = 1000;

template <class Side>
int start_up() {
    bench::lean_host host(playlists);
    Side side(host.api(), bench::every_option_on);
    side.start(0);
    bench::announce_all(side, playlists);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const char* side = argc == 2 ? argv[1] : "";
    if (std::strcmp(side, "component") == 0) return start_up<bench::component_side>();
    if (std::strcmp(side, "plain") == 0) return start_up<bench::plain_side>();
    if (std::strcmp(side, "floor") == 0) return start_up<bench::floor_side>();
    std::fprintf(stderr, "usage: startup_instructions component|plain|floor\n");
    return 2;
}
