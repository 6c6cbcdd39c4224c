// The by-index and by-name command sources as the host's menu system sees them.
#include "config/variables.h"
#include "tests/support/command_fixture.h"

using namespace testing_support;

namespace {

class command_sources_test : public command_test {
protected:
    command_sources_test() {
        for (const char* name : {"Rock", "Jazz", "Blues"})
            host.add_playlist(name, 2);
        host.active = 1;
        relayvo::show_numbers.value = 1;
        take_playlists();
        host.take_calls();
        select({track(100)});
    }

    std::string index_path(std::uint32_t index) {
        string_buffer out;
        by_index.command_path(index, out);
        return out.text;
    }

    handle_vector nothing;
    std::uint32_t flags = 0;
};

// Counts the references query takes; the rest of the shared behaviour is the component's.
class counting_commands final : public relayvo::playlist_commands {
public:
    using playlist_commands::playlist_commands;
    int add_ref() override { return ++refs; }
    std::uint32_t default_state(std::uint32_t) override { return 0; }
    std::uint32_t command_count() override { return 0; }
    void command_path(std::uint32_t, quorvel::text_buffer&) override {}
    bool display_step(std::uint32_t, quorvel::handle_list&, quorvel::text_buffer&, std::uint32_t&,
                      const quorvel::guid&) override {
        return false;
    }
    int refs = 0;
};

TEST_F(command_sources_test, default_states_follow_force_on) {
    for (std::uint32_t i : {0u, 2u, 50u}) {
        EXPECT_EQ(by_index.default_state(i), quorvel::state_on);
        EXPECT_EQ(by_name.default_state(i), quorvel::state_off);
    }
    relayvo::force_on.value = 1;
    for (std::uint32_t i : {0u, 2u, 50u}) {
        EXPECT_EQ(by_index.default_state(i), quorvel::state_forced_on);
        EXPECT_EQ(by_name.default_state(i), quorvel::state_off);
    }
}

TEST_F(command_sources_test, both_belong_to_the_context_menu_and_count_their_lists) {
    EXPECT_EQ(by_index.menu_kind(), quorvel::menu_context);
    EXPECT_EQ(by_name.menu_kind(), quorvel::menu_context);
    EXPECT_EQ(by_index.command_count(), 3u);
    EXPECT_EQ(by_name.command_count(), 3u);

    relayvo::show_numbers.value = 0;
    table.rebuild_entries();
    EXPECT_EQ(by_index.command_count(), 3u);
    EXPECT_EQ(by_name.command_count(), 0u);
}

TEST_F(command_sources_test, index_command_paths_are_zero_based_and_unbounded) {
    EXPECT_EQ(index_path(0), "Relayvo/Playlist 0000");
    EXPECT_EQ(index_path(10), "Relayvo/Playlist 0010");
    EXPECT_EQ(index_path(12345), "Relayvo/Playlist 12345");

    relayvo::use_custom_group.value = 1;
    relayvo::cust_group_name.set_text("Favourites");
    EXPECT_EQ(index_path(3), "Favourites/Playlist 0003");
    relayvo::cust_group_name.set_text("");
    EXPECT_EQ(index_path(0), "/Playlist 0000");
}

TEST_F(command_sources_test, name_command_paths_come_from_the_table) {
    string_buffer out;
    by_name.command_path(2, out);
    EXPECT_EQ(out.text, "Relayvo/Blues");

    string_buffer untouched("keep");
    by_name.command_path(3, untouched);
    by_name.command_path(0xFFFFFFFFu, untouched);
    EXPECT_EQ(untouched.text, "keep");
}

TEST_F(command_sources_test, playlist_view_hides_exactly_the_active_playlist) {
    const char* labels[] = {"Rock", "Jazz", "Blues"};
    for (std::uint32_t i = 0; i < 3; ++i) {
        string_buffer out("unset");
        bool shown =
            by_index.display_text_for(i, selected, out, flags, quorvel::caller_playlist_view);
        EXPECT_EQ(shown, i != 1) << i;
        EXPECT_EQ(out.text, shown ? labels[i] : "unset") << i;
    }
    // Without a caller every entry is offered.
    for (std::uint32_t i = 0; i < 3; ++i) {
        string_buffer out;
        EXPECT_TRUE(by_index.display_text(i, selected, out, flags)) << i;
        EXPECT_EQ(out.text, labels[i]);
        out.text.clear();
        EXPECT_TRUE(by_index.display_text_for(i, selected, out, flags, quorvel::caller_none));
        EXPECT_EQ(out.text, labels[i]);
    }
    string_buffer out;
    EXPECT_FALSE(by_index.display_text(3, selected, out, flags));
    EXPECT_FALSE(by_index.display_text_for(3, selected, out, flags, quorvel::caller_playlist_view));
    EXPECT_EQ(flags, 0u);
}

TEST_F(command_sources_test, name_commands_are_never_displayed) {
    string_buffer out;
    for (std::uint32_t i = 0; i < 3; ++i) {
        EXPECT_FALSE(by_name.display_text(i, selected, out, flags));
        EXPECT_FALSE(by_name.display_text_for(i, selected, out, flags, quorvel::caller_none));
    }
    EXPECT_EQ(out.text, "");
}

TEST_F(command_sources_test, empty_selection_hides_and_disables_every_command) {
    string_buffer out;
    for (std::uint32_t i = 0; i < 3; ++i) {
        EXPECT_FALSE(by_index.display_text(i, nothing, out, flags));
        EXPECT_FALSE(by_index.display_text_for(i, nothing, out, flags, quorvel::caller_none));
        by_index.execute(i, nothing);
        by_index.execute_for(i, nothing, quorvel::caller_playlist_view);
        by_index.execute_step(i, nothing, quorvel::caller_none);
        by_name.execute_for(i, nothing, quorvel::caller_none);
    }
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(host.active, 1);
}

TEST_F(command_sources_test, query_answers_both_interfaces_with_itself_and_one_reference) {
    EXPECT_EQ(by_index.query(quorvel::command_source_ext), &by_index);
    EXPECT_EQ(by_name.query(quorvel::command_source_class), &by_name);
    EXPECT_EQ(by_index.query(quorvel::playlist_roster_class), nullptr);
    EXPECT_EQ(by_name.query(test_guid(1)), nullptr);

    counting_commands counted{table, sending, component_command_settings()};
    EXPECT_EQ(counted.query(quorvel::command_source_ext), &counted);
    EXPECT_EQ(counted.refs, 1);
    EXPECT_EQ(counted.query(quorvel::command_source_class), &counted);
    EXPECT_EQ(counted.refs, 2);
    EXPECT_EQ(counted.query(quorvel::caller_playlist_view), nullptr);
    EXPECT_EQ(counted.refs, 2);
}

TEST_F(command_sources_test, no_command_has_a_guid) {
    for (std::uint32_t i : {0u, 2u, 3u, 0xFFFFFFFFu}) {
        quorvel::guid out = test_guid(9);
        EXPECT_FALSE(by_index.command_guid(i, out));
        EXPECT_FALSE(by_name.command_guid(i, out));
        EXPECT_EQ(out, test_guid(9));
    }
}

TEST_F(command_sources_test, execute_delivers_to_the_playlist_at_its_position) {
    by_index.execute(2, selected);
    EXPECT_EQ(host.take_calls(), delivery_to(2));
    EXPECT_EQ(host.active, 2);
    EXPECT_EQ(host.playlists[2].items.back(), track(100));

    by_name.execute_for(0, selected, quorvel::caller_none);
    EXPECT_EQ(host.take_calls(), delivery_to(0));
    EXPECT_EQ(host.playlists[0].items.back(), track(100));
}

TEST_F(command_sources_test, execute_out_of_range_does_nothing) {
    by_index.execute(3, selected);
    by_index.execute_for(0xFFFFFFFFu, selected, quorvel::caller_playlist_view);
    by_name.execute(3, selected);
    EXPECT_TRUE(host.calls.empty());

    relayvo::show_numbers.value = 0;
    table.rebuild_entries();
    host.take_calls();
    by_name.execute(0, selected); // no paths: nothing is in range
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(host.active, 1);
}

} // namespace
