// The playlist watcher keeps the playlist count and the entry table in step
// with the host's notifications.
#include "config/variables.h"
#include "tests/support/command_fixture.h"

using namespace testing_support;

namespace {

using playlist_watcher_test = command_test;

TEST_F(playlist_watcher_test, created_created_removed_counts_one_and_rebuilds_three_times) {
    create(0, "Rock");
    create(1, "Jazz");
    remove(0);

    EXPECT_EQ(table.playlist_count(), 1u);
    EXPECT_EQ(rebuilds(), 3);
    ASSERT_EQ(table.label_count(), 1u);
    EXPECT_STREQ(table.label(0), "Jazz");
}

TEST_F(playlist_watcher_test, removal_at_zero_leaves_the_count_at_zero_and_the_table_empty) {
    relayvo::show_numbers.value = 1;
    watcher.on_playlist_removed(0);
    EXPECT_EQ(table.playlist_count(), 0u);
    EXPECT_EQ(table.label_count(), 0u);
    EXPECT_EQ(table.path_count(), 0u);
    EXPECT_TRUE(table.name_paths_enabled());

    // The count still follows the host afterwards.
    create(0, "Rock");
    EXPECT_EQ(table.playlist_count(), 1u);
    EXPECT_EQ(table.label_count(), 1u);
    EXPECT_EQ(table.path_count(), 1u);
}

TEST_F(playlist_watcher_test, list_change_rebuilds_from_the_host) {
    create(0, "Rock");
    create(1, "Jazz");
    host.take_calls();

    std::swap(host.playlists[0], host.playlists[1]);
    watcher.on_playlist_list_changed(0, 2);
    EXPECT_EQ(table.playlist_count(), 2u);
    EXPECT_EQ(rebuilds(), 1);
    EXPECT_STREQ(table.label(0), "Jazz");
    EXPECT_STREQ(table.label(1), "Rock");
}

TEST_F(playlist_watcher_test, rename_patches_one_entry_without_rebuilding) {
    create(0, "Rock");
    create(1, "Jazz");
    host.take_calls();

    watcher.on_playlist_renamed(1, "Soul");
    EXPECT_EQ(rebuilds(), 0);
    EXPECT_EQ(table.playlist_count(), 2u);
    EXPECT_STREQ(table.label(0), "Rock");
    EXPECT_STREQ(table.label(1), "Soul");
}

} // namespace
