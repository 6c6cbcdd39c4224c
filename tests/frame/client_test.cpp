#include "frame/client_object.h"
#include "frame/host.h"
#include "tests/support/config_state.h"
#include "tests/support/fake_host.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

class client_test : public ::testing::Test {
protected:
    void SetUp() override { relayvo::connect_host(nullptr, nullptr); }
    void TearDown() override {
        relayvo::connect_host(nullptr, nullptr);
        config_support::set_values({});
    }
};

TEST_F(client_test, version_is_35_before_and_after_the_entry_point) {
    EXPECT_EQ(relayvo::client.client_version(), 35);
    testing_support::fake_host host;
    quorvel::component_client* client = quorvel_get_interface(&host, nullptr);
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->client_version(), 35);
}

// Once the export has named the host's thread, builds with assertions stop at
// an entry reached from another; release builds let it through.
TEST_F(client_test, entries_called_from_another_thread_stop_a_build_with_assertions) {
    testing_support::fake_host host;
    EXPECT_DEBUG_DEATH(
        {
            quorvel_get_interface(&host, nullptr);
            std::thread([] { relayvo::client.reset_configuration(); }).join();
        },
        "host's thread");
}

TEST_F(client_test, entry_point_stores_host_and_module_and_returns_the_one_client) {
    using testing_support::recording;
    testing_support::fake_host first(recording::on), second(recording::on);
    int modules[2] = {};
    auto first_module = reinterpret_cast<quorvel::module_handle>(&modules[0]);
    auto second_module = reinterpret_cast<quorvel::module_handle>(&modules[1]);
    EXPECT_EQ(relayvo::host(), nullptr);

    EXPECT_EQ(quorvel_get_interface(&first, first_module), &relayvo::client);
    EXPECT_EQ(relayvo::host(), &first);
    EXPECT_EQ(relayvo::module(), first_module);

    EXPECT_EQ(quorvel_get_interface(&second, second_module), &relayvo::client);
    EXPECT_EQ(relayvo::host(), &second);
    EXPECT_EQ(relayvo::module(), second_module);
    relayvo::find_service(quorvel::guid{}, 0);
    EXPECT_TRUE(first.calls.empty());
    EXPECT_EQ(second.calls, testing_support::call_log{"find_service 00000000 0"});
}

TEST_F(client_test, reset_configuration_changes_no_variable) {
    config_support::set_values(config_support::sample_values());
    relayvo::client.reset_configuration();
    EXPECT_EQ(config_support::current_values(), config_support::sample_values());
}

} // namespace
