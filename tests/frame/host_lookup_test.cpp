#include "frame/host.h"
#include "tests/support/fake_host.h"

#include <gtest/gtest.h>

namespace {

using testing_support::call_log;
using testing_support::recording;

constexpr quorvel::guid roster_class{
    0x8634CA5E, 0x7CE1, 0x419C, {0x97, 0xC9, 0xB4, 0x7B, 0x5B, 0x6C, 0x53, 0x8F}};
constexpr quorvel::guid active_class{
    0x8CC36FD2, 0x9BC6, 0x46B9, {0xA7, 0x48, 0x15, 0x68, 0xDE, 0x4C, 0xD6, 0x02}};
constexpr quorvel::guid some_class{0x11111111, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}};
constexpr quorvel::guid other_class{0x22222222, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}};

class host_lookup_test : public ::testing::Test {
protected:
    void SetUp() override {
        // Nothing is served until a test chooses.
        host.serve(roster_class, {});
        host.serve(active_class, {});
        relayvo::connect_host(&host, nullptr);
        relayvo::forget_active_playlist();
    }
    void TearDown() override {
        relayvo::connect_host(nullptr, nullptr);
        relayvo::forget_active_playlist();
    }

    testing_support::fake_host host{recording::on};
};

TEST_F(host_lookup_test, cursor_walks_indices_until_null_and_restarts_after_reset) {
    testing_support::plain_service a, b, c, other;
    host.serve(some_class, {&a, &b, &c});
    host.serve(other_class, {&other});
    relayvo::service_cursor cursor(some_class);
    EXPECT_EQ(cursor.next(), &a);
    EXPECT_EQ(cursor.next(), &b);
    EXPECT_EQ(cursor.next(), &c);
    EXPECT_EQ(cursor.next(), nullptr);
    cursor.reset();
    EXPECT_EQ(cursor.next(), &a);
    EXPECT_EQ(host.calls, (call_log{"find_service 11111111 0", "find_service 11111111 1",
                                    "find_service 11111111 2", "find_service 11111111 3",
                                    "find_service 11111111 0"}));
}

TEST_F(host_lookup_test, active_playlist_is_looked_up_until_found_then_kept) {
    EXPECT_EQ(relayvo::active_playlist(), nullptr);
    EXPECT_EQ(relayvo::active_playlist(), nullptr);
    testing_support::fake_active_playlist found(host), later(host);
    host.serve(active_class, {&found});
    EXPECT_EQ(relayvo::active_playlist(), &found);
    host.serve(active_class, {&later});
    EXPECT_EQ(relayvo::active_playlist(), &found);
    host.serve(active_class, {});
    EXPECT_EQ(relayvo::active_playlist(), &found);
    EXPECT_EQ(host.calls, call_log(3, "find_service active 0"));
}

TEST_F(host_lookup_test, roster_is_looked_up_on_every_use) {
    testing_support::fake_roster first(host), second(host);
    host.serve(roster_class, {&first});
    EXPECT_EQ(relayvo::roster(), &first);
    EXPECT_EQ(relayvo::roster(), &first);
    host.serve(roster_class, {&second});
    EXPECT_EQ(relayvo::roster(), &second);
    host.serve(roster_class, {});
    EXPECT_EQ(relayvo::roster(), nullptr);
    EXPECT_EQ(host.calls, call_log(4, "find_service roster 0"));
}

TEST_F(host_lookup_test, without_host_nothing_is_found_or_kept) {
    testing_support::fake_active_playlist active(host);
    host.serve(active_class, {&active});
    relayvo::connect_host(nullptr, nullptr);
    EXPECT_EQ(relayvo::find_service(active_class, 0), nullptr);
    EXPECT_EQ(relayvo::active_playlist(), nullptr);
    relayvo::connect_host(&host, nullptr);
    EXPECT_EQ(relayvo::active_playlist(), &active);
}

} // namespace
