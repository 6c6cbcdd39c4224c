// A rebuild that runs out of memory at any one allocator call still leaves a
// table whose position i stands for playlist i, and the sources keep working.
#include "config/variables.h"
#include "tests/support/command_fixture.h"
#include "tests/support/counting_heap.h"

#include <string>

using namespace testing_support;

namespace {

class rebuild_out_of_memory_test : public command_test {
protected:
    // Three playlists, labels with numbers, and paths by name; no rebuild yet.
    rebuild_out_of_memory_test() {
        for (const char* name : {"Rock", "Jazz", "Blues"})
            host.add_playlist(name);
        count_playlists();
        relayvo::show_numbers.value = 1;
        relayvo::add_index.value = 1;
    }

    // Whether each list holds one usable entry per playlist, or none at all;
    // `whole`: one per playlist, each reading in full.
    void expect_usable_table(bool whole = false) {
        const char* names[] = {"Rock", "Jazz", "Blues"};
        const char* labels_made[] = {"1. Rock", "2. Jazz", "3. Blues"};
        handle_vector handles({track(1)});
        std::uint32_t flags = 0;

        std::uint32_t labels = table.label_count();
        ASSERT_TRUE((labels == 0 && !whole) || labels == 3) << labels;
        for (std::uint32_t i = 0; i < labels; ++i) {
            std::string label = table.label(i);
            // A label is whole, or empty where its text (or the name it is made of) was lost.
            EXPECT_TRUE(label == labels_made[i] || (label.empty() && !whole)) << i << ": " << label;
            string_buffer out("unset");
            EXPECT_TRUE(by_index.display_text(i, handles, out, flags));
            EXPECT_EQ(out.text, label);
        }
        std::uint32_t paths = table.path_count();
        ASSERT_TRUE((paths == 0 && !whole) || paths == 3) << paths;
        for (std::uint32_t i = 0; i < paths; ++i) {
            std::string path = table.path(i);
            // A path is whole, or empty where any part of it could not be had.
            EXPECT_TRUE(path == std::string("Relayvo/") + names[i] || (path.empty() && !whole))
                << i << ": " << path;
            string_buffer out("unset");
            by_name.command_path(i, out);
            EXPECT_EQ(out.text, path);
        }
        string_buffer out;
        by_index.command_path(1, out);
        EXPECT_EQ(out.text, "Relayvo/Playlist 0001");
    }
};

TEST_F(rebuild_out_of_memory_test, each_failed_allocator_call_leaves_a_usable_table) {
    std::size_t calls = 0;
    {
        counting_heap heap;
        table.rebuild_entries();
        calls = heap.allocations + heap.reallocations;
    }
    ASSERT_GT(calls, 6u);
    // From an empty table, and over a table that a rebuild may reuse.
    for (bool from_empty : {true, false}) {
        for (std::size_t n = 1; n <= calls; ++n) {
            SCOPED_TRACE((from_empty ? "from empty, allocator call " : "over a table, call ") +
                         std::to_string(n) + " of " + std::to_string(calls));
            if (from_empty) count_playlists();
            {
                counting_heap heap;
                heap.fail_call(n);
                table.rebuild_entries();
            }
            expect_usable_table();
            // With memory back, a rename mends whatever entry the rebuild
            // lost, in each list that holds one, whatever the other holds.
            table.rename_entry(1, "Soul");
            if (table.label_count() == 3) {
                EXPECT_STREQ(table.label(1), "2. Soul");
            }
            if (table.path_count() == 3) {
                EXPECT_STREQ(table.path(1), "Relayvo/Soul");
            }
            // And a rebuild mends every other: a text lost where nothing
            // changed is formed again, never kept as it reads.
            table.rebuild_entries();
            expect_usable_table(true);
        }
    }
}

TEST_F(rebuild_out_of_memory_test, first_rebuild_without_memory_leaves_no_entries) {
    {
        counting_heap heap;
        heap.fail_all(true);
        table.rebuild_entries();
    }
    EXPECT_EQ(table.label_count(), 0u);
    EXPECT_EQ(table.path_count(), 0u);
    expect_usable_table();
}

TEST_F(rebuild_out_of_memory_test, later_rebuild_without_memory_keeps_one_entry_per_playlist) {
    table.rebuild_entries();
    host.playlists[1].name = "Soul";
    {
        counting_heap heap;
        heap.fail_all(true);
        table.rebuild_entries();
    }
    // The cells stay, one per playlist; no text could be formed, so none is
    // left stale: each reads as nothing.
    ASSERT_EQ(table.label_count(), 3u);
    ASSERT_EQ(table.path_count(), 3u);
    for (std::uint32_t i = 0; i < 3; ++i) {
        EXPECT_STREQ(table.label(i), "") << i;
        EXPECT_STREQ(table.path(i), "") << i;
    }
    host.playlists[1].name = "Jazz";
    expect_usable_table();
}

// A lost text keeps nothing of what it was formed from. An unnamed
// playlist's label reads the same from a lost cell in every build, so a
// source kept by mistake would pass as unchanged.
TEST_F(rebuild_out_of_memory_test, lost_label_is_formed_again_by_the_next_rebuild) {
    host.playlists[1].name = "";
    table.rebuild_entries();
    {
        counting_heap heap;
        heap.fail_all(true);
        table.rebuild_entries();
    }
    table.rebuild_entries();
    EXPECT_STREQ(table.label(1), "2. ");
}

} // namespace
