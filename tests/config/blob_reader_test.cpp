#include "commands/playlist_watcher.h"
#include "config/blob.h"
#include "config/variables.h"
#include "tests/support/component_state.h"
#include "tests/support/config_bytes.h"
#include "tests/support/config_state.h"
#include "tests/support/fake_host.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::literals;
using config_support::blob_builder;
using config_support::bytes;
using config_support::config_values;

class blob_reader_test : public ::testing::Test {
protected:
    void SetUp() override { config_support::set_values({}); }
    void TearDown() override { config_support::set_values({}); }
};

// One blob the reader meets and what the variables hold afterwards,
// starting from the defaults.
struct reader_case {
    const char* what;
    bytes blob;
    config_values expected;
};

blob_builder add_index_on() {
    return std::move(blob_builder().int_record("add_index", 1));
}

TEST_F(blob_reader_test, blobs_of_four_bytes_or_less_change_nothing) {
    blob_builder full = add_index_on();
    for (std::size_t n = 0; n <= 4; ++n) {
        config_support::load_blob(full.cut(n));
        EXPECT_EQ(config_support::current_values(), config_values{}) << n << " bytes";
    }
}

TEST_F(blob_reader_test, damaged_or_foreign_blobs) {
    const blob_builder long_text = std::move(blob_builder().record("cust_group_name", "abcdefgh"));
    const reader_case cases[] = {
        {"one record", add_index_on().data, {.add_index = 1}},
        {"trailing 4 bytes", add_index_on().u32(5).data, {.add_index = 1}},
        {"cut inside the next key", add_index_on().raw("\x07\0\0\0repl"sv).data, {.add_index = 1}},
        {"cut inside a value length",
         add_index_on().raw("\x07\0\0\0replace\x04\0"sv).data,
         {.add_index = 1}},
        {"cut inside a text value",
         add_index_on()
             .raw(std::string_view(reinterpret_cast<const char*>(long_text.data.data()),
                                   long_text.data.size() - 3))
             .data,
         {.add_index = 1}},
        {"key length all ones",
         add_index_on().u32(0xffffffff).raw("replace").u32(4).u32(1).data,
         {.add_index = 1}},
        {"value length all ones",
         add_index_on().u32(7).raw("replace").u32(0xffffffff).u32(1).int_record("force_on", 1).data,
         {.add_index = 1}},
        {"value length past the end",
         add_index_on().u32(7).raw("replace").u32(5).u32(1).data,
         {.add_index = 1}},
        {"unknown key skipped",
         blob_builder().record("unknown", "0123456789").int_record("replace", 1).data,
         {.replace = 1}},
        {"case matters",
         blob_builder().int_record("Add_Index", 1).int_record("replace", 1).data,
         {.replace = 1}},
        {"key shorter than a variable's",
         blob_builder().int_record("add", 1).int_record("replace", 1).data,
         {.replace = 1}},
        {"key longer than a variable's",
         blob_builder().int_record("add_index_2", 1).int_record("replace", 1).data,
         {.replace = 1}},
        {"key length 0",
         blob_builder().int_record("", 1).int_record("replace", 1).data,
         {.replace = 1}},
        {"key compared up to a NUL",
         blob_builder().int_record("add_index\0zz"sv, 3).data,
         {.add_index = 3}},
        {"key beginning with NUL",
         blob_builder().int_record("\0replace"sv, 3).int_record("force_on", 1).data,
         {.force_on = 1}},
        {"later duplicate wins", add_index_on().int_record("add_index", 2).data, {.add_index = 2}},
        {"later duplicate of wrong length",
         add_index_on().record("add_index", "\x05\0\0"sv).int_record("replace", 1).data,
         {.replace = 1, .add_index = 1}},
        {"int of 5 bytes skipped",
         blob_builder().record("add_index", "\x01\0\0\0\0"sv).int_record("replace", 1).data,
         {.replace = 1}},
        {"later text wins",
         blob_builder().record("cust_group_name", "one").record("cust_group_name", "two").data,
         {.cust_group_name = "two"}},
        {"empty text empties",
         blob_builder().record("cust_group_name", "").int_record("replace", 1).data,
         {.replace = 1, .cust_group_name = ""}},
        {"text stops at NUL",
         blob_builder().record("cust_group_name", "ab\0cd"sv).data,
         {.cust_group_name = "ab"}},
    };
    for (const reader_case& c : cases) {
        config_support::set_values({});
        config_support::load_blob(c.blob);
        EXPECT_EQ(config_support::current_values(), c.expected) << c.what;
    }
}

TEST_F(blob_reader_test, record_order_does_not_matter) {
    const config_values v = config_support::sample_values();
    std::vector<blob_builder> records(8);
    records[0].int_record("add_total", v.add_total);
    records[1].int_record("replace", v.replace);
    records[2].int_record("add_index", v.add_index);
    records[3].int_record("use_custom_group", v.use_custom_group);
    records[4].int_record("force_on", v.force_on);
    records[5].int_record("show_numbers", v.show_numbers);
    records[6].int_record("move_files", v.move_files);
    records[7].record("cust_group_name", v.cust_group_name);
    blob_builder forward, backward;
    for (std::size_t i = 0; i < records.size(); ++i) {
        forward.data.insert(forward.data.end(), records[i].data.begin(), records[i].data.end());
        const bytes& r = records[records.size() - 1 - i].data;
        backward.data.insert(backward.data.end(), r.begin(), r.end());
    }
    config_support::load_blob(forward.data);
    EXPECT_EQ(config_support::current_values(), v);
    config_support::set_values({});
    config_support::load_blob(backward.data);
    EXPECT_EQ(config_support::current_values(), v);
}

TEST_F(blob_reader_test, loading_rebuilds_nothing) {
    testing_support::fake_host host(testing_support::recording::on);
    testing_support::connect_component(host);
    relayvo::playlist_watcher watcher(relayvo::entries);
    for (const char* name : {"Rock", "Jazz"}) {
        host.add_playlist(name);
        watcher.on_playlist_created(0, name, 4);
    }
    const std::string label = relayvo::entries.label(1);
    host.take_calls();

    config_support::load_blob(blob_builder()
                                  .int_record("add_index", 1)
                                  .int_record("show_numbers", 1)
                                  .int_record("add_total", 1)
                                  .data);
    EXPECT_EQ(relayvo::add_index.value, 1);
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(relayvo::entries.label_count(), 2u);
    EXPECT_EQ(relayvo::entries.label(1), label);
    EXPECT_EQ(relayvo::entries.path_count(), 0u);
    EXPECT_FALSE(relayvo::entries.name_paths_enabled());

    testing_support::disconnect_component();
}

} // namespace
