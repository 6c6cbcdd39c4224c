// A rebuild that runs out of memory at any one allocator call still leaves a
// table whose position i stands for playlist i, and the sources keep working.
#include "commands/command_sources.h"
#include "commands/entry_table.h"
#include "config/variables.h"
#include "tests/support/component_state.h"
#include "tests/support/counting_heap.h"
#include "tests/support/fake_host.h"

#include <gtest/gtest.h>

#include <string>

using namespace testing_support;

namespace {

class rebuild_out_of_memory_test : public ::testing::Test {
protected:
    void SetUp() override {
        connect_component(host);
        for (const char* name : {"Rock", "Jazz", "Blues"})
            host.add_playlist(name);
        configure();
    }
    // Three playlists, labels with numbers, and paths by name.
    static void configure() {
        relayvo::playlist_count = 3;
        relayvo::show_numbers.value = 1;
        relayvo::add_index.value = 1;
    }
    void TearDown() override { disconnect_component(); }

    // Whether each list holds one usable entry per playlist, or none at all.
    void expect_usable_table() {
        const char* names[] = {"Rock", "Jazz", "Blues"};
        const char* labels_made[] = {"1. Rock", "2. Jazz", "3. Blues"};
        relayvo::index_commands by_index;
        relayvo::name_commands by_name;
        handle_vector handles({track(1)});
        std::uint32_t flags = 0;

        std::uint32_t labels = relayvo::entries.label_count();
        ASSERT_TRUE(labels == 0 || labels == 3) << labels;
        for (std::uint32_t i = 0; i < labels; ++i) {
            std::string label = relayvo::entries.label(i);
            // A label is whole, or empty where its text (or the name it is made of) was lost.
            EXPECT_TRUE(label == labels_made[i] || label.empty()) << i << ": " << label;
            string_buffer out("unset");
            EXPECT_TRUE(by_index.display_text(i, handles, out, flags));
            EXPECT_EQ(out.text, label);
        }
        std::uint32_t paths = relayvo::entries.path_count();
        ASSERT_TRUE(paths == 0 || paths == 3) << paths;
        for (std::uint32_t i = 0; i < paths; ++i) {
            std::string path = relayvo::entries.path(i);
            // A path is whole, or empty where any part of it could not be had.
            EXPECT_TRUE(path == std::string("Relayvo/") + names[i] || path.empty())
                << i << ": " << path;
            string_buffer out("unset");
            by_name.command_path(i, out);
            EXPECT_EQ(out.text, path);
        }
        string_buffer out;
        by_index.command_path(1, out);
        EXPECT_EQ(out.text, "Relayvo/Playlist 0001");
    }

    fake_host host;
};

TEST_F(rebuild_out_of_memory_test, each_failed_allocator_call_leaves_a_usable_table) {
    std::size_t calls = 0;
    {
        counting_heap heap;
        relayvo::rebuild_entries();
        calls = heap.allocations + heap.reallocations;
    }
    ASSERT_GT(calls, 6u);
    // From an empty table, and over a table that a rebuild may reuse.
    for (bool from_empty : {true, false}) {
        for (std::size_t n = 1; n <= calls; ++n) {
            SCOPED_TRACE((from_empty ? "from empty, allocator call " : "over a table, call ") +
                         std::to_string(n) + " of " + std::to_string(calls));
            if (from_empty) connect_component(host); // also empties the table
            configure();
            {
                counting_heap heap;
                heap.fail_call(n);
                relayvo::rebuild_entries();
            }
            expect_usable_table();
            // With memory back, a rename mends whatever entry the rebuild lost.
            if (relayvo::entries.label_count() == 3) {
                relayvo::rename_entry(1, "Soul");
                EXPECT_STREQ(relayvo::entries.label(1), "2. Soul");
                if (relayvo::entries.path_count() == 3) {
                    EXPECT_STREQ(relayvo::entries.path(1), "Relayvo/Soul");
                }
            }
        }
    }
    relayvo::rebuild_entries();
    EXPECT_STREQ(relayvo::entries.label(2), "3. Blues");
    EXPECT_STREQ(relayvo::entries.path(2), "Relayvo/Blues");
}

TEST_F(rebuild_out_of_memory_test, first_rebuild_without_memory_leaves_no_entries) {
    {
        counting_heap heap;
        heap.fail_all(true);
        relayvo::rebuild_entries();
    }
    EXPECT_EQ(relayvo::entries.label_count(), 0u);
    EXPECT_EQ(relayvo::entries.path_count(), 0u);
    expect_usable_table();
}

TEST_F(rebuild_out_of_memory_test, later_rebuild_without_memory_keeps_one_entry_per_playlist) {
    relayvo::rebuild_entries();
    host.playlists[1].name = "Soul";
    {
        counting_heap heap;
        heap.fail_all(true);
        relayvo::rebuild_entries();
    }
    // The cells stay, one per playlist; no text could be formed, so none is
    // left stale: each reads as nothing.
    ASSERT_EQ(relayvo::entries.label_count(), 3u);
    ASSERT_EQ(relayvo::entries.path_count(), 3u);
    for (std::uint32_t i = 0; i < 3; ++i) {
        EXPECT_STREQ(relayvo::entries.label(i), "") << i;
        EXPECT_STREQ(relayvo::entries.path(i), "") << i;
    }
    host.playlists[1].name = "Jazz";
    expect_usable_table();
}

} // namespace
