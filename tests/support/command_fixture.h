// The fixture of the tests of commands/: the component's parts connected to a
// recording fake host, with settings at their defaults, and a fresh entry
// table with a playlist watcher and both command sources on it.
#pragma once

#include "commands/command_sources.h"
#include "commands/entry_table.h"
#include "commands/playlist_watcher.h"
#include "config/variables.h"
#include "tests/support/component_state.h"
#include "tests/support/fake_host.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

class command_test : public ::testing::Test {
protected:
    command_test();
    ~command_test() override;

    // A fresh table that counts the host's playlists as announced and holds no entry yet.
    void count_playlists();
    // The same, then one rebuild: the host's playlists taken at once.
    void take_playlists();
    // Puts an empty playlist named `name` into the host at `index`, counted
    // `roster_count` by the roster if given, then announces its creation.
    void create(std::uint32_t index, const std::string& name,
                std::optional<std::int32_t> roster_count = {});
    // Takes the host's playlist at `index` away, then announces its removal.
    void remove(std::uint32_t index);
    // The rebuilds among the host's calls since they were last taken; takes them.
    long rebuilds();
    // Every label of the table, in order.
    std::vector<std::string> labels() const;
    // Selects `tracks` in the host, and hands the commands the same list.
    void select(std::vector<void*> tracks);
    // The calls that deliver to playlist `index` once the active playlist service is kept.
    static call_log delivery_to(std::uint32_t index);

    fake_host host{recording::on};
    relayvo::entry_table table{component_entry_settings()};
    relayvo::delivery sending{relayvo::replace};
    relayvo::playlist_watcher watcher{table};
    relayvo::index_commands by_index{table, sending, component_command_settings()};
    relayvo::name_commands by_name{table, sending, component_command_settings()};
    handle_vector selected; // the tracks a command is given
};

} // namespace testing_support
