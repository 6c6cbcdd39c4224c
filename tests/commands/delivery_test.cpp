// Putting tracks into a playlist through the host's playlist services.
#include "commands/delivery.h"

#include "config/variables.h"
#include "tests/support/command_fixture.h"

using namespace testing_support;

namespace {

class delivery_test : public command_test {
protected:
    delivery_test() {
        host.add_playlist("Source", 3);
        host.add_playlist("Target", 2);
        target_before = host.playlists[1].items;
    }

    handle_vector handles{{track(100), track(101)}};
    std::vector<void*> target_before;
};

TEST_F(delivery_test, activates_then_appends) {
    EXPECT_TRUE(sending.deliver_items(1, handles));
    EXPECT_EQ(host.take_calls(), (call_log{"find_service roster 0", "activate 1",
                                           "find_service active 0", "insert_handles 0 -1 0 1"}));
    std::vector<void*> expected = target_before;
    expected.insert(expected.end(), {track(100), track(101)});
    EXPECT_EQ(host.playlists[1].items, expected);
    EXPECT_EQ(host.playlists[0].items.size(), 3u);
    EXPECT_EQ(host.active, 1); // the target stays active
}

TEST_F(delivery_test, replace_empties_the_target_with_a_full_mask_first) {
    relayvo::replace.value = 1;
    EXPECT_TRUE(sending.deliver_items(1, handles));
    EXPECT_EQ(host.take_calls(),
              (call_log{"find_service roster 0", "activate 1", "find_service active 0",
                        "remove_masked", "insert_handles 0 -1 0 1"}));
    EXPECT_TRUE(host.active_service.last_mask_selected_all);
    EXPECT_EQ(host.playlists[1].items, (std::vector<void*>{track(100), track(101)}));
    EXPECT_EQ(host.playlists[0].items.size(), 3u);
    EXPECT_EQ(host.active, 1);
}

TEST_F(delivery_test, keeps_the_active_playlist_service_once_found) {
    sending.deliver_items(1, handles);
    host.take_calls();
    EXPECT_TRUE(sending.deliver_items(0, handles));
    EXPECT_EQ(host.take_calls(), delivery_to(0));
    EXPECT_EQ(host.playlists[0].items.back(), track(101));
}

TEST_F(delivery_test, failed_activation_touches_no_playlist) {
    relayvo::replace.value = 1;
    host.fail_activate = true;
    EXPECT_FALSE(sending.deliver_items(1, handles));
    EXPECT_EQ(host.take_calls(), (call_log{"find_service roster 0", "activate 1"}));
    EXPECT_EQ(host.playlists[1].items, target_before);
    EXPECT_EQ(host.playlists[0].items.size(), 3u);
    EXPECT_EQ(host.active, 0);
}

} // namespace
