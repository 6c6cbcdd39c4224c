#include "config/blob.h"
#include "config/variables.h"
#include "tests/support/config_bytes.h"
#include "tests/support/config_state.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using config_support::blob_builder;
using config_support::bytes;
using config_support::recording_sink;

// The seven flag records of a save, in list order, all holding 0.
blob_builder& default_flags(blob_builder& blob) {
    for (const char* key : {"move_files", "show_numbers", "force_on", "use_custom_group",
                            "add_index", "replace", "add_total"})
        blob.int_record(key, 0);
    return blob;
}

// The writes of the seven flag records: key length, key, value length, value.
void append_flag_writes(std::vector<std::uint32_t>& writes) {
    for (std::uint32_t key_length : {10, 12, 8, 16, 9, 7, 9})
        writes.insert(writes.end(), {4, key_length, 4, 4});
}

class blob_writer_test : public ::testing::Test {
protected:
    void SetUp() override { config_support::set_values({}); }
    void TearDown() override { config_support::set_values({}); }

    recording_sink save() {
        recording_sink sink;
        relayvo::write_blob(sink);
        return sink;
    }
};

TEST_F(blob_writer_test, defaults_give_one_record_per_variable_in_list_order) {
    const bytes head = {0x0f, 0,   0,   0,   'c', 'u', 's', 't', '_', 'g', 'r', 'o', 'u', 'p', '_',
                        'n',  'a', 'm', 'e', 7,   0,   0,   0,   'R', 'e', 'l', 'a', 'y', 'v', 'o'};
    blob_builder expected;
    expected.raw({reinterpret_cast<const char*>(head.data()), head.size()});
    default_flags(expected);

    bytes saved = save().bytes_written;
    EXPECT_EQ(saved, expected.data);
    EXPECT_EQ(saved.size() - head.size(), 155u);
}

TEST_F(blob_writer_test, add_index_on_gives_the_sixth_record) {
    relayvo::add_index.value = 1;
    const bytes add_index_record = {0x09, 0,   0, 0, 'a', 'd', 'd', '_', 'i', 'n', 'd',
                                    'e',  'x', 4, 0, 0,   0,   1,   0,   0,   0};
    bytes saved = save().bytes_written;
    auto records = config_support::split_records(saved);
    ASSERT_TRUE(records);
    ASSERT_EQ(records->size(), 8u);
    std::size_t offset = 0;
    for (std::size_t i = 0; i < 5; ++i)
        offset += 8 + (*records)[i].key.size() + (*records)[i].value.size();
    EXPECT_EQ(bytes(saved.begin() + offset, saved.begin() + offset + 21), add_index_record);
}

TEST_F(blob_writer_test, every_record_is_four_writes) {
    std::vector<std::uint32_t> expected = {4, 15, 4, 7};
    append_flag_writes(expected);
    EXPECT_EQ(save().writes, expected);
}

TEST_F(blob_writer_test, empty_text_record_is_23_bytes_in_three_writes) {
    relayvo::cust_group_name.set_text("");
    std::vector<std::uint32_t> expected_writes = {4, 15, 4};
    append_flag_writes(expected_writes);
    blob_builder expected;
    expected.record("cust_group_name", "");
    ASSERT_EQ(expected.data.size(), 23u);
    default_flags(expected);

    recording_sink sink = save();
    EXPECT_EQ(sink.writes, expected_writes);
    EXPECT_EQ(sink.bytes_written, expected.data);
}

TEST_F(blob_writer_test, save_keeps_and_load_restores_every_variable) {
    config_support::set_values(config_support::sample_values());
    bytes saved = save().bytes_written;
    EXPECT_EQ(config_support::current_values(), config_support::sample_values());
    config_support::set_values({});
    config_support::load_blob(saved);
    EXPECT_EQ(config_support::current_values(), config_support::sample_values());
    EXPECT_EQ(save().bytes_written, saved);
}

} // namespace
