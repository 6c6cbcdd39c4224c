// What one rebuild of the entry table costs: host calls and allocator calls,
// and that menu queries cost no allocation at all.
#include "config/variables.h"
#include "tests/support/command_fixture.h"
#include "tests/support/counting_heap.h"

#include <algorithm>
#include <string>

using namespace testing_support;

namespace {

class rebuild_cost_test : public command_test {
protected:
    void add_playlists(std::uint32_t count) {
        for (std::uint32_t i = 0; i < count; ++i)
            host.add_playlist("Playlist number " + std::to_string(i), 3);
    }
    // Allocator calls per playlist of a rebuild after every playlist was renamed.
    double allocator_calls_per_playlist(std::uint32_t playlists) {
        host.playlists.clear();
        add_playlists(playlists);
        take_playlists();
        for (fake_playlist& list : host.playlists)
            list.name += " renamed";
        counting_heap heap;
        table.rebuild_entries();
        EXPECT_EQ(std::string(table.path(playlists - 1)),
                  "Relayvo/Playlist number " + std::to_string(playlists - 1) + " renamed");
        return static_cast<double>(heap.total()) / playlists;
    }
};

TEST_F(rebuild_cost_test, host_calls_per_playlist_are_exact) {
    add_playlists(4);
    host.active = 2;
    relayvo::show_numbers.value = 1; // add_total stays off: counts are fetched all the same
    take_playlists();

    call_log expected;
    for (std::uint32_t i = 0; i < 4; ++i) {
        std::string index = std::to_string(i);
        expected.insert(expected.end(), {"find_service roster 0", "playlist_name " + index,
                                         "find_service roster 0", "active_index"});
        if (i == 2)
            expected.insert(expected.end(), {"find_service active 0", "item_count"});
        else
            expected.insert(expected.end(),
                            {"find_service roster 0", "playlist_item_count " + index});
    }
    for (std::uint32_t i = 0; i < 4; ++i)
        expected.insert(expected.end(),
                        {"find_service roster 0", "playlist_name " + std::to_string(i)});
    EXPECT_EQ(host.take_calls(), expected);

    // The active playlist service is looked up once and kept.
    table.rebuild_entries();
    expected.erase(std::find(expected.begin(), expected.end(), "find_service active 0"));
    EXPECT_EQ(host.take_calls(), expected);
}

TEST_F(rebuild_cost_test, allocator_calls_per_playlist_do_not_grow_with_the_playlist_count) {
    relayvo::add_index.value = 1;
    relayvo::add_total.value = 1;
    relayvo::show_numbers.value = 1;
    double few = allocator_calls_per_playlist(10);
    double many = allocator_calls_per_playlist(1000);
    // Each playlist's texts and cells are made and freed one by one; nothing
    // may be redone per playlist for the playlists before it.
    EXPECT_LE(few, 16.0);
    EXPECT_LE(many, 16.0);
    EXPECT_LE(many, few);
}

TEST_F(rebuild_cost_test, menu_queries_read_the_table_without_allocating) {
    add_playlists(12);
    relayvo::add_index.value = 1;
    relayvo::show_numbers.value = 1;
    take_playlists();
    handle_vector handles({track(1)});
    string_buffer out;
    std::uint32_t flags = 0;

    counting_heap heap;
    for (std::uint32_t i = 0; i < 13; ++i) {
        by_index.display_text_for(i, handles, out, flags, quorvel::caller_playlist_view);
        by_index.display_text(i, handles, out, flags);
        by_name.display_text_for(i, handles, out, flags, quorvel::caller_none);
        by_name.command_path(i, out);
    }
    EXPECT_EQ(by_index.command_count() + by_name.command_count(), 24u);
    EXPECT_EQ(heap.total(), 0u);
    EXPECT_EQ(out.text, "Relayvo/Playlist number 11");
}

} // namespace
