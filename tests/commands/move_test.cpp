// Moving tracks: from the playlist view with move_files on, the selection is
// removed from its playlist before it is delivered to the target.
#include "config/variables.h"
#include "tests/support/command_fixture.h"

using namespace testing_support;

namespace {

class move_test : public command_test {
protected:
    move_test() {
        host.add_playlist("Source", 4);
        host.add_playlist("Target", 1);
        source_before = host.playlists[0].items;
        target_before = host.playlists[1].items;
        select({source_before[1], source_before[2]});
        host.add_source(quorvel::menu_context, {test_guid(1)});
        remover =
            &host.add_source(quorvel::menu_main, {test_guid(2), quorvel::remove_selection_command});
        relayvo::move_files.value = 1;
        take_playlists();
        host.take_calls();
    }

    std::vector<void*>& source() { return host.playlists[0].items; }
    std::vector<void*>& target() { return host.playlists[1].items; }
    // The calls that find the host's remove-selection command and run it.
    static call_log removal_calls() {
        return {"find_service command_source 0",
                "menu_kind",
                "release",
                "find_service command_source 1",
                "menu_kind",
                "command_count",
                "query ext",
                "command_guid 0",
                "release",
                "query ext",
                "command_guid 1",
                "release",
                "query ext",
                "execute_for 1",
                "release",
                "release"};
    }

    fake_command_source* remover = nullptr;
    std::vector<void*> source_before;
    std::vector<void*> target_before;
};

TEST_F(move_test, from_the_playlist_view_removes_the_selection_then_delivers) {
    by_index.execute_for(1, selected, quorvel::caller_playlist_view);
    EXPECT_EQ(host.take_calls(), joined({removal_calls(), delivery_to(1)}));
    EXPECT_EQ(remover->executions, 1);
    EXPECT_EQ(source(), (std::vector<void*>{source_before[0], source_before[3]}));
    EXPECT_EQ(target(), (std::vector<void*>{target_before[0], source_before[1], source_before[2]}));
    EXPECT_EQ(host.active, 1);
}

TEST_F(move_test, from_any_other_caller_only_delivers) {
    for (const quorvel::guid& caller : {quorvel::caller_none, test_guid(3)}) {
        by_index.execute_for(1, selected, caller);
        EXPECT_EQ(host.take_calls(), delivery_to(1));
        host.active = 0;
    }
    by_index.execute(1, selected);
    EXPECT_EQ(host.take_calls(), delivery_to(1));
    EXPECT_EQ(remover->executions, 0);
    EXPECT_EQ(source(), source_before); // copied, not moved
    EXPECT_EQ(target().size(), 7u);
}

TEST_F(move_test, with_move_files_off_the_playlist_view_only_delivers) {
    relayvo::move_files.value = 0;
    by_index.execute_for(1, selected, quorvel::caller_playlist_view);
    EXPECT_EQ(host.take_calls(), delivery_to(1));
    EXPECT_EQ(source(), source_before);
}

TEST_F(move_test, failed_activation_puts_the_removed_tracks_back_into_the_source) {
    host.fail_activate = true;
    by_index.execute_for(1, selected, quorvel::caller_playlist_view);
    // The activation fails, so the tracks go into the still active source.
    EXPECT_EQ(host.take_calls(), joined({removal_calls(), delivery_to(1)}));
    EXPECT_EQ(remover->executions, 1);
    EXPECT_EQ(host.active, 0);
    EXPECT_EQ(source(), (std::vector<void*>{source_before[0], source_before[3], source_before[1],
                                            source_before[2]}));
    EXPECT_EQ(target(), target_before);
}

TEST_F(move_test, failed_activation_without_removal_puts_nothing_back) {
    host.fail_activate = true;
    by_index.execute_for(1, selected, quorvel::caller_none);
    EXPECT_EQ(host.take_calls(), (call_log{"find_service roster 0", "activate 1"}));
    EXPECT_EQ(source(), source_before);
    EXPECT_EQ(target(), target_before);
}

} // namespace
