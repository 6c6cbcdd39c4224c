// The playlist watcher keeps the playlist count and the entry table in step
// with the host's notifications.
#include "commands/playlist_watcher.h"

#include "commands/entry_table.h"
#include "config/variables.h"
#include "tests/support/component_state.h"
#include "tests/support/fake_host.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace testing_support;

namespace {

class playlist_watcher_test : public ::testing::Test {
protected:
    void SetUp() override { connect_component(host); }
    void TearDown() override { disconnect_component(); }

    // Rebuilds seen in the log: each one names playlist 0 exactly once.
    long rebuilds() {
        call_log calls = host.take_calls();
        return std::count(calls.begin(), calls.end(), "playlist_name 0");
    }

    fake_host host{recording::on};
    relayvo::playlist_watcher watcher;
};

TEST_F(playlist_watcher_test, created_created_removed_counts_one_and_rebuilds_three_times) {
    host.add_playlist("Rock");
    watcher.on_playlist_created(0, "Rock", 4);
    host.add_playlist("Jazz");
    watcher.on_playlist_created(1, "Jazz", 4);
    host.playlists.erase(host.playlists.begin());
    watcher.on_playlist_removed(0);

    EXPECT_EQ(relayvo::playlist_count, 1u);
    EXPECT_EQ(rebuilds(), 3);
    ASSERT_EQ(relayvo::entries.label_count(), 1u);
    EXPECT_STREQ(relayvo::entries.label(0), "Jazz");
}

TEST_F(playlist_watcher_test, removal_at_zero_leaves_the_count_at_zero_and_the_table_empty) {
    relayvo::show_numbers.value = 1;
    watcher.on_playlist_removed(0);
    EXPECT_EQ(relayvo::playlist_count, 0u);
    EXPECT_EQ(relayvo::entries.label_count(), 0u);
    EXPECT_EQ(relayvo::entries.path_count(), 0u);
    EXPECT_TRUE(relayvo::entries.name_paths_enabled);

    // The count still follows the host afterwards.
    host.add_playlist("Rock");
    watcher.on_playlist_created(0, "Rock", 4);
    EXPECT_EQ(relayvo::playlist_count, 1u);
    EXPECT_EQ(relayvo::entries.label_count(), 1u);
    EXPECT_EQ(relayvo::entries.path_count(), 1u);
}

TEST_F(playlist_watcher_test, list_change_rebuilds_from_the_host) {
    host.add_playlist("Rock");
    host.add_playlist("Jazz");
    watcher.on_playlist_created(0, "Rock", 4);
    watcher.on_playlist_created(1, "Jazz", 4);
    host.take_calls();

    std::swap(host.playlists[0], host.playlists[1]);
    watcher.on_playlist_list_changed(0, 2);
    EXPECT_EQ(relayvo::playlist_count, 2u);
    EXPECT_EQ(rebuilds(), 1);
    EXPECT_STREQ(relayvo::entries.label(0), "Jazz");
    EXPECT_STREQ(relayvo::entries.label(1), "Rock");
}

TEST_F(playlist_watcher_test, rename_patches_one_entry_without_rebuilding) {
    host.add_playlist("Rock");
    host.add_playlist("Jazz");
    watcher.on_playlist_created(0, "Rock", 4);
    watcher.on_playlist_created(1, "Jazz", 4);
    host.take_calls();

    watcher.on_playlist_renamed(1, "Soul");
    EXPECT_EQ(rebuilds(), 0);
    EXPECT_EQ(relayvo::playlist_count, 2u);
    EXPECT_STREQ(relayvo::entries.label(0), "Rock");
    EXPECT_STREQ(relayvo::entries.label(1), "Soul");
}

} // namespace
