// The component's hot paths beside a plain std::string-and-snprintf version
// that makes the same host calls: a rebuild of the entry table with every
// option on, a context-menu pass over every command, and a blob save and load.
#include "bench/baseline.h"
#include "bench/bench_host.h"
#include "commands/command_sources.h"
#include "commands/entry_table.h"
#include "config/blob.h"
#include "config/variables.h"
#include "frame/host.h"
#include "tests/support/config_bytes.h"
#include "tests/support/host_containers.h"

#include <benchmark/benchmark.h>

namespace {

constexpr const char* group = "Favourites";

using testing_support::fake_host;
using testing_support::handle_vector;
using testing_support::string_buffer;
using testing_support::track;

// Connects the component to `host` with every option on and `n` playlists.
void prepare_component(fake_host& host, std::uint32_t n) {
    relayvo::connect_host(&host, nullptr);
    relayvo::forget_active_playlist();
    relayvo::add_index.value = relayvo::add_total.value = 1;
    relayvo::show_numbers.value = relayvo::use_custom_group.value = 1;
    relayvo::cust_group_name.set_text(group);
    relayvo::playlist_count = n;
}

void rebuild_component(benchmark::State& state) {
    auto n = static_cast<std::uint32_t>(state.range(0));
    fake_host host;
    bench::add_playlists(host, n);
    prepare_component(host, n);
    for (auto _ : state)
        relayvo::rebuild_entries();
    state.SetItemsProcessed(state.iterations() * n);
}

void rebuild_baseline(benchmark::State& state) {
    auto n = static_cast<std::uint32_t>(state.range(0));
    fake_host host;
    bench::add_playlists(host, n);
    bench::baseline_table table;
    for (auto _ : state)
        bench::baseline_rebuild(host, n, group, table);
    state.SetItemsProcessed(state.iterations() * n);
}

void context_menu_component(benchmark::State& state) {
    auto n = static_cast<std::uint32_t>(state.range(0));
    fake_host host;
    bench::add_playlists(host, n);
    prepare_component(host, n);
    relayvo::rebuild_entries();
    relayvo::index_commands source;
    handle_vector tracks({track(1)}); // one track, so that every command is shown
    string_buffer out;
    for (auto _ : state) {
        std::uint32_t flags = 0;
        for (std::uint32_t i = 0, count = source.command_count(); i < count; ++i)
            benchmark::DoNotOptimize(
                source.display_text_for(i, tracks, out, flags, quorvel::caller_playlist_view));
    }
    state.SetItemsProcessed(state.iterations() * n);
}

void context_menu_baseline(benchmark::State& state) {
    auto n = static_cast<std::uint32_t>(state.range(0));
    fake_host host;
    bench::add_playlists(host, n);
    bench::baseline_table table;
    bench::baseline_rebuild(host, n, group, table);
    handle_vector tracks({track(1)}); // one track, so that every command is shown
    string_buffer out;
    for (auto _ : state) {
        for (std::uint32_t i = 0, count = static_cast<std::uint32_t>(table.labels.size());
             i < count; ++i)
            benchmark::DoNotOptimize(tracks.count() != 0 &&
                                     bench::baseline_display(host, table, i, out));
    }
    state.SetItemsProcessed(state.iterations() * n);
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

BENCHMARK(rebuild_component)->Arg(10)->Arg(1000)->Arg(100000);
BENCHMARK(rebuild_baseline)->Arg(10)->Arg(1000)->Arg(100000);
BENCHMARK(context_menu_component)->Arg(10)->Arg(1000)->Arg(100000);
BENCHMARK(context_menu_baseline)->Arg(10)->Arg(1000)->Arg(100000);
BENCHMARK(blob_save);
BENCHMARK(blob_load);

BENCHMARK_MAIN();
