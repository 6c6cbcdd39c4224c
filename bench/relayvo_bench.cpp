// What users do to the component, each event timed beside the plain version
// making the same host calls and beside the floor of those host calls alone,
// with every option on and every option off: start-up, one creation,
// removal, reorder or rename, a settings change, and a context-menu pass.
// Each benchmark also reports the allocator calls of one event per playlist.
// Each runs on the test kit's fake host and on the lean host. Names read
// case/options/host/side; scripts/bench.sh puts the sides side by side.
#include "bench/sides.h"
#include "config/blob.h"
#include "tests/support/config_bytes.h"
#include "tests/support/host_containers.h"

#include <benchmark/benchmark.h>

#include <ctime>
#include <string>
#include <utility>

namespace {

using bench::options;

// A selection of one track, so that every command is shown.
class one_track final : public quorvel::pointer_list {
public:
    std::uint32_t count() override { return 1; }
    void* get(std::uint32_t) override { return this; }
    void* remove_at(std::uint32_t) override { return this; }
    void filter(const quorvel::index_mask&) override {}
    void insert(void*, std::uint32_t) override {}
};

// The CPU time of this thread: on a machine shared with other work, time
// spent waiting for a core is not the event's.
double thread_seconds() {
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Times `event` alone in every iteration: `prepare` changes the host before
// it, `restore` puts the side back after it. One more event, untimed, gives
// the allocator calls per playlist.
template <class Side, class Prepare, class Event, class Restore>
void time_events(benchmark::State& state, Side& side, std::uint32_t playlists, Prepare prepare,
                 Event event, Restore restore) {
    prepare();
    std::size_t calls = side.allocator_calls(event);
    restore();
    for (auto _ : state) {
        prepare();
        double start = thread_seconds();
        event();
        state.SetIterationTime(thread_seconds() - start);
        restore();
    }
    state.counters["allocator_calls_per_playlist"] = static_cast<double>(calls) / playlists;
}

void nothing() {}

std::uint32_t playlists(const benchmark::State& state) {
    return static_cast<std::uint32_t>(state.range(0));
}

// N creations from no playlists, as the host announces its playlists at start-up.
template <class Host, class Side>
void startup(benchmark::State& state, const options& o) {
    std::uint32_t n = playlists(state);
    Host host(n);
    Side side(host.api(), o);
    time_events(
        state, side, n, [&] { side.start(0); }, [&] { bench::announce_all(side, n); }, nothing);
}

// The last of the start-up's announcements: from N - 1 playlists to N.
template <class Host, class Side>
void startup_last(benchmark::State& state, const options& o) {
    std::uint32_t n = playlists(state);
    Host host(n);
    Side side(host.api(), o);
    side.start(n - 1);
    time_events(
        state, side, n, nothing, [&] { side.created(n - 1); }, [&] { side.removed(n - 1); });
}

// A playlist created in the middle of N, and removed again untimed. The
// number width stays that of N, as it does for all but a few counts.
template <class Host, class Side>
void creation(benchmark::State& state, const options& o) {
    std::uint32_t n = playlists(state), middle = n / 2;
    Host host(n);
    Side side(host.api(), o);
    side.start(n);
    time_events(
        state, side, n, [&] { host.insert(middle, n); }, [&] { side.created(middle); },
        [&] {
            host.erase(middle);
            side.removed(middle);
        });
}

// The middle one of N + 1 playlists removed, and created again untimed.
template <class Host, class Side>
void removal(benchmark::State& state, const options& o) {
    std::uint32_t n = playlists(state), middle = n / 2;
    Host host(n + 1);
    Side side(host.api(), o);
    side.start(n + 1);
    time_events(
        state, side, n, [&] { host.erase(middle); }, [&] { side.removed(middle); },
        [&] {
            host.insert(middle, middle);
            side.created(middle);
        });
}

// Two neighbours in the middle of N change places.
template <class Host, class Side>
void reorder(benchmark::State& state, const options& o) {
    std::uint32_t n = playlists(state), middle = n / 2;
    Host host(n);
    Side side(host.api(), o);
    side.start(n);
    time_events(
        state, side, n, [&] { host.swap(middle, middle + 1); }, [&] { side.reordered(); }, nothing);
}

// The middle one of N playlists renamed, back and forth between two names.
template <class Host, class Side>
void rename(benchmark::State& state, const options& o) {
    std::uint32_t n = playlists(state), middle = n / 2;
    Host host(n);
    Side side(host.api(), o);
    side.start(n);
    const char* name = nullptr;
    time_events(
        state, side, n, [&] { name = host.rename(middle); }, [&] { side.renamed(middle, name); },
        nothing);
}

// A change on the preferences page that changes every text: from the other
// options to these ones, and back untimed.
template <class Host, class Side>
void settings_change(benchmark::State& state, const options& o) {
    std::uint32_t n = playlists(state);
    const options& other = o.add_index ? bench::every_option_off : bench::every_option_on;
    Host host(n);
    Side side(host.api(), other);
    side.start(n);
    time_events(
        state, side, n, nothing, [&] { side.settings_changed(o); },
        [&] { side.settings_changed(other); });
}

// The host asking every by-index command for its display text.
template <class Host, class Side>
void context_menu(benchmark::State& state, const options& o, const quorvel::guid& caller) {
    std::uint32_t n = playlists(state);
    Host host(n);
    Side side(host.api(), o);
    side.start(n);
    one_track tracks;
    testing_support::string_buffer out;
    out.text.reserve(256); // the host's own buffer, grown once
    time_events(
        state, side, n, nothing,
        [&] {
            for (std::uint32_t i = 0, count = side.command_count(); i < count; ++i)
                benchmark::DoNotOptimize(side.display(i, tracks, out, caller));
        },
        nothing);
}

template <class Host, class Side>
void context_menu_from_view(benchmark::State& state, const options& o) {
    context_menu<Host, Side>(state, o, quorvel::caller_playlist_view);
}

template <class Host, class Side>
void context_menu_from_no_caller(benchmark::State& state, const options& o) {
    context_menu<Host, Side>(state, o, quorvel::caller_none);
}

using case_function = void (*)(benchmark::State&, const options&);

// A case's function on each of the three sides.
struct sides {
    case_function component;
    case_function plain;
    case_function floor;
};

struct bench_case {
    const char* name;
    sides kit;  // on the test kit's fake host
    sides lean; // on the lean host
    std::vector<std::int64_t> playlists;
};

#define SIDES_ON(f, Host)                                                                          \
    sides {                                                                                        \
        f<Host, bench::component_side>, f<Host, bench::plain_side>, f<Host, bench::floor_side>     \
    }
#define SIDES(f) SIDES_ON(f, bench::kit_host), SIDES_ON(f, bench::lean_host)

void register_cases() {
    const bench_case cases[] = {
        {"startup", SIDES(startup), {2000, 5000}},
        {"startup_last", SIDES(startup_last), {1000, 5000}},
        {"creation", SIDES(creation), {1000, 100000}},
        {"removal", SIDES(removal), {1000, 100000}},
        {"reorder", SIDES(reorder), {1000, 30000}},
        {"rename", SIDES(rename), {100000}},
        {"settings_change", SIDES(settings_change), {1000, 100000}},
        {"context_menu_from_view", SIDES(context_menu_from_view), {1000}},
        {"context_menu_from_no_caller", SIDES(context_menu_from_no_caller), {1000}},
    };
#undef SIDES
#undef SIDES_ON
    const std::pair<const char*, const options*> option_sets[] = {
        {"on", &bench::every_option_on}, {"off", &bench::every_option_off}};
    for (const bench_case& c : cases)
        for (auto [options_name, o] : option_sets)
            for (auto [host, on_host] : {std::pair{"kit", c.kit}, std::pair{"lean", c.lean}})
                for (auto [side, function] :
                     {std::pair{"component", on_host.component}, std::pair{"plain", on_host.plain},
                      std::pair{"floor", on_host.floor}}) {
                    std::string name =
                        std::string(c.name) + "/" + options_name + "/" + host + "/" + side;
                    auto* b = benchmark::RegisterBenchmark(
                        name.c_str(), [function, o](benchmark::State& s) { function(s, *o); });
                    for (std::int64_t n : c.playlists)
                        b->Arg(n);
                    b->UseManualTime()->Unit(benchmark::kMicrosecond);
                }
}

class discarding_sink final : public quorvel::config_sink {
public:
    void write(const void* bytes, std::uint32_t length) override {
        benchmark::DoNotOptimize(bytes);
        written += length;
    }
    std::size_t written = 0;
};

void blob_save(benchmark::State& state) {
    discarding_sink sink;
    for (auto _ : state)
        relayvo::write_blob(sink);
    state.SetBytesProcessed(static_cast<std::int64_t>(sink.written));
}

void blob_load(benchmark::State& state) {
    config_support::recording_sink saved;
    relayvo::write_blob(saved);
    const config_support::bytes& blob = saved.bytes_written;
    for (auto _ : state)
        relayvo::read_blob(blob.data(), static_cast<std::uint32_t>(blob.size()));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(blob.size()));
}

} // namespace

BENCHMARK(blob_save);
BENCHMARK(blob_load);

int main(int argc, char** argv) {
    register_cases();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
