#include "bench/sides.h"

#include "config/variables.h"
#include "frame/host.h"
#include "tests/support/component_state.h"

#include <cstdlib>
#include <new>

namespace bench {

namespace {

void apply(const options& o) {
    relayvo::add_index.value = o.add_index;
    relayvo::add_total.value = o.add_total;
    relayvo::show_numbers.value = o.show_numbers;
    relayvo::use_custom_group.value = o.use_custom_group;
    relayvo::cust_group_name.set_text(o.group);
}

std::size_t new_delete_calls = 0;

} // namespace

component_side::component_side(quorvel::host_api& host, const options& o) {
    relayvo::connect_host(&host, nullptr);
    relayvo::forget_active_playlist();
    apply(o);
}

component_side::~component_side() {
    relayvo::connect_host(nullptr, nullptr);
    relayvo::forget_active_playlist();
}

void component_side::start(std::uint32_t playlists) {
    testing_support::renew(table_, testing_support::component_entry_settings(), playlists);
    table_.rebuild_entries();
}

void component_side::created(std::uint32_t index) {
    watcher_.on_playlist_created(index, "", 0);
}

void component_side::removed(std::uint32_t index) {
    watcher_.on_playlist_removed(index);
}

void component_side::reordered() {
    watcher_.on_playlist_list_changed(0, table_.playlist_count());
}

void component_side::renamed(std::uint32_t index, const char* name) {
    watcher_.on_playlist_renamed(index, name);
}

void component_side::settings_changed(const options& o) {
    apply(o);
    table_.rebuild_entries();
}

bool component_side::display(std::uint32_t index, quorvel::handle_list& tracks,
                             quorvel::text_buffer& out, const quorvel::guid& caller) {
    std::uint32_t flags = 0;
    return commands_.display_text_for(index, tracks, out, flags, caller);
}

std::uint32_t component_side::command_count() {
    return commands_.command_count();
}

std::size_t new_and_delete_calls() {
    return new_delete_calls;
}

} // namespace bench

// The plain version's allocator calls, counted as the heap seam counts the
// component's. The other forms of new and delete call these.
void* operator new(std::size_t size) {
    ++bench::new_delete_calls;
    if (void* memory = std::malloc(size ? size : 1)) return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    if (memory) ++bench::new_delete_calls;
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
    operator delete(memory);
}
