// The empty track list the component hands to a command of another
// component: whatever indices that code passes, it cannot read or write
// outside the list (run under the sanitizers to see the difference).
#include "commands/delivery.h"
#include "config/variables.h"
#include "tests/support/command_fixture.h"

using namespace testing_support;

namespace {

// What a careless peer saw of the list it was handed.
struct misuse_results {
    std::uint32_t count = 99;
    void* first = track(1);
    void* beyond = track(1);
    void* removed_first = track(1);
    void* removed_far = track(1);
    std::uint32_t count_after_bad_insert = 99;
    void* inserted = nullptr;
    void* past_the_insert = track(1);
    void* removed_past = track(1);
    std::uint32_t count_at_end = 99;
};

// Reads, removes and inserts past the end of `list`, then uses it properly.
misuse_results misuse(quorvel::handle_list& list) {
    misuse_results r;
    r.count = list.count();
    r.first = list.get(0);
    r.beyond = list.get(0xFFFFFFFFu);
    r.removed_first = list.remove_at(0);
    r.removed_far = list.remove_at(1000);
    list.insert(track(5), 5);
    r.count_after_bad_insert = list.count();
    list.insert(track(6), 0);
    r.inserted = list.get(0);
    r.past_the_insert = list.get(1);
    r.removed_past = list.remove_at(1);
    r.count_at_end = list.count();
    return r;
}

class peer_command_test : public command_test {
protected:
    peer_command_test() {
        host.add_playlist("Source", 3);
        host.add_playlist("Target", 0);
        select({host.playlists[0].items[0]});
        fake_command_source& peer =
            host.add_source(quorvel::menu_main, {quorvel::remove_selection_command});
        peer.on_execute = [this](quorvel::handle_list& list) { seen = misuse(list); };
        relayvo::move_files.value = 1;
        take_playlists();
    }

    misuse_results seen;
};

TEST_F(peer_command_test, misused_list_reads_null_and_changes_nothing_out_of_range) {
    EXPECT_TRUE(relayvo::run_main_menu_command(quorvel::remove_selection_command));
    EXPECT_EQ(seen.count, 0u);
    EXPECT_EQ(seen.first, nullptr);
    EXPECT_EQ(seen.beyond, nullptr);
    EXPECT_EQ(seen.removed_first, nullptr);
    EXPECT_EQ(seen.removed_far, nullptr);
    EXPECT_EQ(seen.count_after_bad_insert, 0u);
    EXPECT_EQ(seen.inserted, track(6));
    EXPECT_EQ(seen.past_the_insert, nullptr);
    EXPECT_EQ(seen.removed_past, nullptr);
    EXPECT_EQ(seen.count_at_end, 1u);
}

TEST_F(peer_command_test, a_move_survives_the_peer_and_still_delivers) {
    by_index.execute_for(1, selected, quorvel::caller_playlist_view);
    EXPECT_EQ(seen.first, nullptr);
    EXPECT_EQ(seen.count_at_end, 1u);
    EXPECT_EQ(host.playlists[1].items, selected.items);
    EXPECT_EQ(host.active, 1);
}

} // namespace
