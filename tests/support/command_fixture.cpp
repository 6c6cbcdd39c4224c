#include "tests/support/command_fixture.h"

#include "tests/support/component_state.h"

#include <utility>

namespace testing_support {

command_test::command_test() {
    connect_component(host);
}

command_test::~command_test() {
    disconnect_component();
}

void command_test::count_playlists() {
    renew(table, component_entry_settings(), static_cast<std::uint32_t>(host.playlists.size()));
}

void command_test::take_playlists() {
    count_playlists();
    table.rebuild_entries();
}

void command_test::create(std::uint32_t index, const std::string& name,
                          std::optional<std::int32_t> roster_count) {
    host.playlists.insert(host.playlists.begin() + index, {name, {}, roster_count});
    watcher.on_playlist_created(index, name.c_str(), static_cast<std::uint32_t>(name.size()));
}

void command_test::remove(std::uint32_t index) {
    host.playlists.erase(host.playlists.begin() + index);
    watcher.on_playlist_removed(index);
}

long command_test::rebuilds() {
    return rebuilds_in(host.take_calls());
}

void command_test::select(std::vector<void*> tracks) {
    host.selection = tracks;
    selected.items = std::move(tracks);
}

call_log command_test::delivery_to(std::uint32_t index) {
    return {"find_service roster 0", "activate " + std::to_string(index),
            "insert_handles 0 -1 0 1"};
}

std::vector<std::string> command_test::labels() const {
    std::vector<std::string> all;
    for (std::uint32_t i = 0; i < table.label_count(); ++i)
        all.push_back(table.label(i));
    return all;
}

} // namespace testing_support
