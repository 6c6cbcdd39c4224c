// Finding a menu command by guid among the host's command sources and running it.
#include "commands/delivery.h"
#include "tests/support/command_fixture.h"
#include "utf8api/utf8api.h"

using namespace testing_support;

namespace {

class run_command_test : public command_test {
protected:
    // The calls that read the guid of each of `count` commands.
    static call_log guid_reads(std::uint32_t count) {
        call_log calls;
        for (std::uint32_t i = 0; i < count; ++i)
            calls.insert(calls.end(),
                         {"query ext", "command_guid " + std::to_string(i), "release"});
        return calls;
    }

    handle_vector handles{{track(7)}};
    const quorvel::guid wanted = test_guid(42);
};

TEST_F(run_command_test, runs_the_first_match_once_through_the_extended_interface) {
    fake_command_source& context = host.add_source(quorvel::menu_context, {wanted, wanted});
    fake_command_source& first = host.add_source(quorvel::menu_main, {test_guid(1)});
    fake_command_source& second =
        host.add_source(quorvel::menu_main, {test_guid(2), test_guid(3), wanted, wanted});
    fake_command_source& later = host.add_source(quorvel::menu_main, {wanted});

    EXPECT_TRUE(
        relayvo::run_command(quorvel::menu_main, wanted, handles, quorvel::caller_playlist_view));
    call_log expected = joined({
        {"find_service command_source 0", "menu_kind", "release"},
        {"find_service command_source 1", "menu_kind", "command_count"},
        guid_reads(1),
        {"release", "find_service command_source 2", "menu_kind", "command_count"},
        guid_reads(3),
        {"query ext", "execute_for 2", "release", "release"},
    });
    EXPECT_EQ(host.take_calls(), expected);

    EXPECT_EQ(second.executions, 1);
    EXPECT_EQ(second.executed_index, 2u);
    EXPECT_EQ(second.executed_caller, quorvel::caller_playlist_view);
    EXPECT_EQ(second.executed_handle_count, 1u);
    EXPECT_EQ(context.executions + first.executions + later.executions, 0);
}

TEST_F(run_command_test, executes_inside_the_run_command_call_stack_label) {
    fake_command_source& source = host.add_source(quorvel::menu_main, {wanted});
    EXPECT_TRUE(relayvo::run_command(quorvel::menu_main, wanted, handles, quorvel::caller_none));
    EXPECT_EQ(source.executed_label, "menu_manager::run_command(), by GUID");
    EXPECT_EQ(uCallStackTracker_top(), nullptr);
}

TEST_F(run_command_test, unknown_guid_releases_every_source_and_returns_false) {
    fake_command_source& a = host.add_source(quorvel::menu_main, {test_guid(1), test_guid(2)});
    fake_command_source& b = host.add_source(quorvel::menu_context, {wanted});
    EXPECT_FALSE(relayvo::run_command(quorvel::menu_main, wanted, handles, quorvel::caller_none));
    call_log expected = joined({
        {"find_service command_source 0", "menu_kind", "command_count"},
        guid_reads(2),
        {"release", "find_service command_source 1", "menu_kind", "release",
         "find_service command_source 2"},
    });
    EXPECT_EQ(host.take_calls(), expected);
    EXPECT_EQ(a.executions + b.executions, 0);
}

TEST_F(run_command_test, source_refusing_the_extended_interface_never_matches) {
    fake_command_source& refusing = host.add_source(quorvel::menu_main, {wanted}, false);
    EXPECT_FALSE(relayvo::run_command(quorvel::menu_main, wanted, handles, quorvel::caller_none));
    EXPECT_EQ(host.take_calls(),
              (call_log{"find_service command_source 0", "menu_kind", "command_count", "query ext",
                        "release", "find_service command_source 1"}));
    EXPECT_EQ(refusing.executions, 0);
}

TEST_F(run_command_test, only_sources_of_the_asked_kind_are_searched) {
    fake_command_source& main = host.add_source(quorvel::menu_main, {wanted});
    fake_command_source& context = host.add_source(quorvel::menu_context, {wanted});
    EXPECT_TRUE(relayvo::run_command(quorvel::menu_context, wanted, handles, quorvel::caller_none));
    call_log calls = host.take_calls();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "command_count"), 1);
    EXPECT_EQ(main.executions, 0);
    EXPECT_EQ(context.executions, 1);
}

TEST_F(run_command_test, the_components_own_commands_are_never_selected) {
    host.add_playlist("Rock");
    take_playlists();
    host.add_source(by_index);
    fake_command_source& other = host.add_source(quorvel::menu_context, {wanted});
    host.take_calls();

    EXPECT_TRUE(relayvo::run_command(quorvel::menu_context, wanted, handles, quorvel::caller_none));
    EXPECT_EQ(other.executions, 1);
    call_log calls = host.take_calls();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "activate 0"), 0);
}

TEST_F(run_command_test, main_menu_command_runs_with_no_tracks_and_no_caller) {
    fake_command_source& context = host.add_source(quorvel::menu_context, {wanted});
    fake_command_source& main = host.add_source(quorvel::menu_main, {wanted});
    EXPECT_TRUE(relayvo::run_main_menu_command(wanted));
    EXPECT_EQ(context.executions, 0);
    EXPECT_EQ(main.executions, 1);
    EXPECT_EQ(main.executed_caller, quorvel::caller_none);
    EXPECT_EQ(main.executed_handle_count, 0u);
    EXPECT_FALSE(relayvo::run_main_menu_command(test_guid(5)));
}

} // namespace
