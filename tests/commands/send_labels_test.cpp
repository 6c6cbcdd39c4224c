// After a send, the labels of the playlists it changed show their new item
// counts, read as a rename reads them; with counts off a send makes no call
// beyond delivering.
#include "config/variables.h"
#include "tests/support/command_fixture.h"

using namespace testing_support;

namespace {

class send_labels_test : public command_test {
protected:
    send_labels_test() {
        host.add_playlist("Inbox", 4);
        host.add_playlist("Rock", 0);
        host.add_playlist("Jazz", 1);
        select({host.playlists[0].items[1], host.playlists[0].items[2]});
        host.add_source(quorvel::menu_main, {quorvel::remove_selection_command});
        relayvo::add_index.value = 1;
        count_playlists();
    }

    // Rebuilds with the settings of the test and forgets the calls so far.
    void start(bool counts, bool move) {
        relayvo::add_total.value = counts;
        relayvo::move_files.value = move;
        table.rebuild_entries();
        host.take_calls();
    }

    // What running the host's remove-selection command costs.
    const call_log removal = {"find_service command_source 0",
                              "menu_kind",
                              "command_count",
                              "query ext",
                              "command_guid 0",
                              "release",
                              "query ext",
                              "execute_for 0",
                              "release",
                              "release"};
    const call_log delivery = delivery_to(1);
    // Forming the label of the active target again: name, active index, count.
    const call_log target_label = {"find_service roster 0", "playlist_name 1",
                                   "find_service roster 0", "active_index", "item_count"};
    // The same for the source, no longer active: its count comes from the roster.
    const call_log source_label = {"find_service roster 0", "playlist_name 0",
                                   "find_service roster 0", "active_index",
                                   "find_service roster 0", "playlist_item_count 0"};
    const call_log source_index = {"find_service roster 0", "active_index"};
};

TEST_F(send_labels_test, copy_with_counts_forms_the_target_label_again) {
    start(true, false);
    EXPECT_EQ(labels(), (std::vector<std::string>{"1. Inbox (4)", "2. Rock (0)", "3. Jazz (1)"}));
    by_index.execute_for(1, selected, quorvel::caller_playlist_view);
    EXPECT_EQ(host.take_calls(), joined({delivery, target_label}));
    EXPECT_EQ(labels(), (std::vector<std::string>{"1. Inbox (4)", "2. Rock (2)", "3. Jazz (1)"}));
}

TEST_F(send_labels_test, move_with_counts_forms_the_target_and_source_labels_again) {
    start(true, true);
    by_index.execute_for(1, selected, quorvel::caller_playlist_view);
    EXPECT_EQ(host.take_calls(),
              joined({source_index, removal, delivery, target_label, source_label}));
    EXPECT_EQ(labels(), (std::vector<std::string>{"1. Inbox (2)", "2. Rock (2)", "3. Jazz (1)"}));
}

TEST_F(send_labels_test, replace_shows_only_the_tracks_sent) {
    start(true, false);
    relayvo::replace.value = 1;
    by_index.execute_for(2, selected, quorvel::caller_none);
    EXPECT_EQ(labels(), (std::vector<std::string>{"1. Inbox (4)", "2. Rock (0)", "3. Jazz (2)"}));
}

TEST_F(send_labels_test, without_counts_a_send_only_delivers) {
    for (bool move : {false, true}) {
        SCOPED_TRACE(move ? "move" : "copy");
        start(false, move);
        const std::vector<std::string> before = labels();
        by_index.execute_for(1, selected, quorvel::caller_playlist_view);
        EXPECT_EQ(host.take_calls(), move ? joined({removal, delivery}) : delivery);
        EXPECT_EQ(labels(), before);
        host.active = 0;
    }
}

TEST_F(send_labels_test, failed_activation_forms_only_the_source_label_again) {
    start(true, true);
    host.fail_activate = true;
    by_index.execute_for(1, selected, quorvel::caller_playlist_view);
    // The removed tracks go back into the source, which is still active.
    const call_log source_active = {"find_service roster 0", "playlist_name 0",
                                    "find_service roster 0", "active_index", "item_count"};
    EXPECT_EQ(host.take_calls(), joined({source_index,
                                         removal,
                                         {"find_service roster 0", "activate 1"},
                                         {"insert_handles 0 -1 0 1"},
                                         source_active}));
    EXPECT_EQ(labels(), (std::vector<std::string>{"1. Inbox (4)", "2. Rock (0)", "3. Jazz (1)"}));
}

TEST_F(send_labels_test, failed_copy_makes_no_further_call) {
    start(true, false);
    host.fail_activate = true;
    by_index.execute_for(1, selected, quorvel::caller_playlist_view);
    EXPECT_EQ(host.take_calls(), (call_log{"find_service roster 0", "activate 1"}));
}

} // namespace
