// Labels and command paths of the entry table, rebuilt and renamed.
#include "config/variables.h"
#include "tests/support/command_fixture.h"
#include "tests/support/counting_heap.h"

#include <string>

using namespace testing_support;

namespace {

class entry_table_test : public command_test {
protected:
    // Playlists P0, P1, ... whose roster counts equal their index.
    void add_numbered(std::uint32_t count) {
        for (std::uint32_t i = 0; i < count; ++i)
            host.add_playlist("P" + std::to_string(i)).roster_count = static_cast<std::int32_t>(i);
    }
    std::string label(std::uint32_t i) { return table.label(i); }
    std::string path(std::uint32_t i) { return table.path(i); }
};

struct label_case {
    std::uint32_t playlists;
    int add_index;
    int add_total;
    const char* first;
    const char* last;
};

TEST_F(entry_table_test, number_width_follows_the_digits_of_the_playlist_count) {
    const label_case cases[] = {
        {9, 1, 1, "1. P0 (0)", "9. P8 (8)"},
        {9, 1, 0, "1. P0", "9. P8"},
        {9, 0, 1, "P0 (0)", "P8 (8)"},
        {9, 0, 0, "P0", "P8"},
        {10, 1, 1, "01. P0 (0)", "10. P9 (9)"},
        {10, 1, 0, "01. P0", "10. P9"},
        {10, 0, 1, "P0 (0)", "P9 (9)"},
        {10, 0, 0, "P0", "P9"},
        {12, 1, 1, "01. P0 (0)", "12. P11 (11)"},
        {12, 1, 0, "01. P0", "12. P11"},
        {12, 0, 1, "P0 (0)", "P11 (11)"},
        {12, 0, 0, "P0", "P11"},
        {1000, 1, 1, "0001. P0 (0)", "1000. P999 (999)"},
        {1000, 1, 0, "0001. P0", "1000. P999"},
        {1000, 0, 1, "P0 (0)", "P999 (999)"},
        {1000, 0, 0, "P0", "P999"},
    };
    for (const label_case& c : cases) {
        SCOPED_TRACE(std::to_string(c.playlists) + " playlists, add_index " +
                     std::to_string(c.add_index) + ", add_total " + std::to_string(c.add_total));
        host.playlists.clear();
        add_numbered(c.playlists);
        relayvo::add_index.value = c.add_index;
        relayvo::add_total.value = c.add_total;
        take_playlists();
        ASSERT_EQ(table.label_count(), c.playlists);
        EXPECT_EQ(label(0), c.first);
        EXPECT_EQ(label(c.playlists - 1), c.last);
        EXPECT_EQ(table.path_count(), 0u);
    }
}

TEST_F(entry_table_test, no_playlists_give_empty_lists) {
    relayvo::add_index.value = 1;
    relayvo::show_numbers.value = 1;
    take_playlists();
    EXPECT_EQ(table.label_count(), 0u);
    EXPECT_EQ(table.path_count(), 0u);
    EXPECT_TRUE(table.name_paths_enabled());
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(entry_table_test, negative_item_count_drops_only_the_count) {
    add_numbered(12);
    host.playlists[2].name = "Rock";
    host.playlists[2].roster_count = 42;
    relayvo::add_index.value = 1;
    relayvo::add_total.value = 1;
    take_playlists();
    EXPECT_EQ(label(2), "03. Rock (42)");

    host.playlists[2].roster_count = -1;
    table.rebuild_entries();
    EXPECT_EQ(label(2), "03. Rock");
}

TEST_F(entry_table_test, active_playlist_count_comes_from_the_active_playlist_service) {
    add_numbered(3);
    host.playlists[1].items = {track(1), track(2), track(3), track(4), track(5)};
    host.playlists[1].roster_count = 99;
    host.active = 1;
    relayvo::add_total.value = 1;
    take_playlists();
    EXPECT_EQ(label(0), "P0 (0)");
    EXPECT_EQ(label(1), "P1 (5)");
    EXPECT_EQ(label(2), "P2 (2)");
}

TEST_F(entry_table_test, command_group_follows_the_custom_group_setting) {
    EXPECT_STREQ(table.command_group(), "Relayvo");
    relayvo::cust_group_name.set_text("Favourites");
    EXPECT_STREQ(table.command_group(), "Relayvo");
    relayvo::use_custom_group.value = 1;
    EXPECT_STREQ(table.command_group(), "Favourites");
    relayvo::cust_group_name.set_text("");
    EXPECT_STREQ(table.command_group(), "");
}

TEST_F(entry_table_test, command_paths_use_the_group_and_the_playlist_name) {
    host.add_playlist("Rock");
    host.add_playlist("Jazz");
    relayvo::show_numbers.value = 1;
    take_playlists();
    ASSERT_EQ(table.path_count(), 2u);
    EXPECT_EQ(path(0), "Relayvo/Rock");
    EXPECT_EQ(path(1), "Relayvo/Jazz");

    relayvo::use_custom_group.value = 1;
    relayvo::cust_group_name.set_text("Favourites");
    table.rebuild_entries();
    EXPECT_EQ(path(1), "Favourites/Jazz");

    relayvo::cust_group_name.set_text("");
    table.rebuild_entries();
    EXPECT_EQ(path(0), "/Rock");
    EXPECT_EQ(path(1), "/Jazz");
}

TEST_F(entry_table_test, turning_show_numbers_off_and_rebuilding_empties_the_paths) {
    add_numbered(3);
    relayvo::show_numbers.value = 1;
    take_playlists();
    ASSERT_EQ(table.path_count(), 3u);
    relayvo::show_numbers.value = 0;
    table.rebuild_entries();
    EXPECT_EQ(table.path_count(), 0u);
    EXPECT_FALSE(table.name_paths_enabled());
    EXPECT_EQ(table.label_count(), 3u);
}

TEST_F(entry_table_test, rename_updates_label_and_path_of_one_playlist) {
    add_numbered(3);
    relayvo::add_index.value = 1;
    relayvo::add_total.value = 1;
    relayvo::show_numbers.value = 1;
    take_playlists();
    host.playlists[2].roster_count = 7;
    host.take_calls();

    table.rename_entry(2, "Blues");
    EXPECT_EQ(label(2), "3. Blues (7)");
    EXPECT_EQ(path(2), "Relayvo/Blues");
    EXPECT_EQ(label(1), "2. P1 (1)");
    EXPECT_EQ(path(1), "Relayvo/P1");
    // The new name comes with the call; only the count is asked of the host.
    EXPECT_EQ(host.calls, (call_log{"find_service roster 0", "active_index",
                                    "find_service roster 0", "playlist_item_count 2"}));
}

TEST_F(entry_table_test, rename_before_the_next_rebuild_keeps_paths_as_the_last_rebuild_left_them) {
    add_numbered(2);
    take_playlists();
    relayvo::show_numbers.value = 1; // as loading a configuration does: no rebuild
    relayvo::add_index.value = 1;
    table.rename_entry(1, "Blues");
    EXPECT_EQ(label(1), "2. Blues");
    EXPECT_EQ(table.path_count(), 0u);

    table.rebuild_entries();
    host.playlists[1].name = "Blues";
    relayvo::show_numbers.value = 0; // ignored until the next rebuild
    table.rename_entry(1, "Soul");
    EXPECT_EQ(path(1), "Relayvo/Soul");
}

TEST_F(entry_table_test, rename_out_of_range_changes_nothing) {
    add_numbered(2);
    relayvo::show_numbers.value = 1;
    take_playlists();
    host.take_calls();
    table.rename_entry(2, "Nowhere");
    table.rename_entry(0xFFFFFFFFu, "Nowhere");
    EXPECT_EQ(table.label_count(), 2u);
    EXPECT_EQ(table.path_count(), 2u);
    EXPECT_EQ(label(0), "P0");
    EXPECT_EQ(label(1), "P1");
    EXPECT_EQ(path(1), "Relayvo/P1");
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(entry_table_test, destruction_frees_whatever_a_rebuild_short_of_memory_left) {
    add_numbered(3);
    relayvo::add_total.value = 1;
    relayvo::show_numbers.value = 1;
    std::size_t total = 0;
    {
        counting_heap heap;
        take_playlists();
        total = heap.allocations + heap.reallocations;
    }
    for (std::size_t n = 1; n <= total; ++n) {
        counting_heap heap;
        {
            relayvo::entry_table short_of_memory(component_entry_settings(), 3);
            heap.fail_call(n);
            short_of_memory.rebuild_entries(); // may leave cells missing or holding no text
        }
        EXPECT_EQ(heap.held, 0) << n; // every cell and text freed (ASan: once)
    }
}

} // namespace
