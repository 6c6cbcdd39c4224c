// The three sides of every benchmark, driven by the same events: the
// component through its playlist watcher and command source, as the host
// drives it, the plain version, and the floor of host calls alone. Each
// counts the allocator calls one event makes.
#pragma once

#include "bench/baseline.h"
#include "bench/bench_host.h"
#include "bench/floor.h"
#include "bench/options.h"
#include "commands/command_sources.h"
#include "commands/playlist_watcher.h"
#include "config/variables.h"
#include "tests/support/component_state.h"
#include "tests/support/counting_heap.h"

#include <cstddef>
#include <cstdint>

namespace bench {

class component_side {
public:
    component_side(quorvel::host_api& host, const options& o);
    ~component_side();
    component_side(const component_side&) = delete;
    component_side& operator=(const component_side&) = delete;

    // Takes `playlists` playlists as known, in one rebuild.
    void start(std::uint32_t playlists);
    void created(std::uint32_t index);
    void removed(std::uint32_t index);
    void reordered();
    void renamed(std::uint32_t index, const char* name);
    // What the preferences page does when a setting changes.
    void settings_changed(const options& o);
    // One by-index command's display text, as the host asks for it.
    bool display(std::uint32_t index, quorvel::handle_list& tracks, quorvel::text_buffer& out,
                 const quorvel::guid& caller);
    std::uint32_t command_count();

    // Allocator calls (through the heap seam) that `event` makes.
    template <class Event>
    std::size_t allocator_calls(Event event);

private:
    relayvo::entry_table table_{testing_support::component_entry_settings()};
    relayvo::delivery sending_{relayvo::replace};
    relayvo::playlist_watcher watcher_{table_};
    relayvo::index_commands commands_{table_, sending_,
                                      testing_support::component_command_settings()};
};

// A side that keeps a table of its own, driven as the component is: the
// plain version, or the floor. The table rebuilds from the host for a count
// of playlists and the options, renames, answers menu queries and counts its
// commands.
template <class Table>
class table_side {
public:
    table_side(quorvel::host_api& host, const options& o) : host_(host), options_(o) {}

    void start(std::uint32_t playlists) {
        count_ = playlists;
        table_.rebuild(host_, count_, options_);
    }
    void created(std::uint32_t) { table_.rebuild(host_, ++count_, options_); }
    void removed(std::uint32_t) { table_.rebuild(host_, --count_, options_); }
    void reordered() { table_.rebuild(host_, count_, options_); }
    void renamed(std::uint32_t index, const char* name) {
        table_.rename(host_, index, name, options_);
    }
    void settings_changed(const options& o) {
        options_ = o;
        table_.rebuild(host_, count_, options_);
    }
    bool display(std::uint32_t index, quorvel::handle_list& tracks, quorvel::text_buffer& out,
                 const quorvel::guid& caller) {
        return table_.display(host_, index, tracks, out, caller);
    }
    std::uint32_t command_count() { return table_.command_count(); }

    // Calls of the global operator new and delete that `event` makes.
    template <class Event>
    std::size_t allocator_calls(Event event);

private:
    quorvel::host_api& host_;
    options options_;
    std::uint32_t count_ = 0;
    Table table_;
};

using plain_side = table_side<plain_table>;
using floor_side = table_side<floor_table>;

// Start-up: `n` creation announcements from none. Never inlined, so that
// callgrind can count its instructions alone.
template <class Side>
[[gnu::noinline]] void announce_all(Side& side, std::uint32_t n) {
    for (std::uint32_t i = 0; i < n; ++i)
        side.created(i);
}

// Calls of the global operator new and delete (of non-null) so far.
std::size_t new_and_delete_calls();

template <class Event>
std::size_t component_side::allocator_calls(Event event) {
    testing_support::counting_heap heap;
    event();
    return heap.total();
}

template <class Table>
template <class Event>
std::size_t table_side<Table>::allocator_calls(Event event) {
    std::size_t before = new_and_delete_calls();
    event();
    return new_and_delete_calls() - before;
}

} // namespace bench
