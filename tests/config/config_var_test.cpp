#include "config/variables.h"
#include "tests/support/config_bytes.h"
#include "tests/support/config_state.h"
#include "tests/support/counting_heap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using config_support::bytes;
using config_support::recording_sink;

class config_var_test : public ::testing::Test {
protected:
    void SetUp() override { config_support::set_values({}); }
    void TearDown() override { config_support::set_values({}); }

    // Reads `value` into `var` from an exact-size copy.
    static void read(relayvo::config_var& var, const bytes& value) {
        auto copy = config_support::exact_copy(value);
        var.read_value(copy.get(), static_cast<std::uint32_t>(value.size()));
    }
};

TEST_F(config_var_test, list_runs_from_last_constructed_with_defaults) {
    std::vector<std::string> keys;
    for (relayvo::config_var* var = relayvo::config_var_list; var; var = var->next)
        keys.push_back(var->key);
    EXPECT_EQ(keys,
              (std::vector<std::string>{"cust_group_name", "move_files", "show_numbers", "force_on",
                                        "use_custom_group", "add_index", "replace", "add_total"}));
    EXPECT_EQ(relayvo::config_var_list, &relayvo::cust_group_name);
    EXPECT_EQ(relayvo::add_total.next, nullptr);
}

TEST_F(config_var_test, int_writes_four_little_endian_bytes_in_one_write) {
    recording_sink sink;
    relayvo::add_index.value = -1;
    relayvo::add_index.write_value(sink);
    relayvo::add_index.value = 0x12345678;
    relayvo::add_index.write_value(sink);
    EXPECT_EQ(sink.writes, (std::vector<std::uint32_t>{4, 4}));
    EXPECT_EQ(sink.bytes_written, (bytes{0xff, 0xff, 0xff, 0xff, 0x78, 0x56, 0x34, 0x12}));
}

TEST_F(config_var_test, int_reads_exactly_four_bytes) {
    struct row {
        bytes value;
        std::int32_t expected;
    };
    const row rows[] = {
        {{0x01, 0x00, 0x00, 0x00}, 1},
        {{0x02, 0x00, 0x00, 0x00}, 2},
        {{0x78, 0x56, 0x34, 0x12}, 0x12345678},
        {{0xff, 0xff, 0xff, 0xff}, -1},
        {{0x00, 0x00, 0x00, 0x80}, -2147483647 - 1},
        {{0x05, 0x00, 0x00}, 9},             // 3 bytes: unchanged
        {{0x05, 0x00, 0x00, 0x00, 0x00}, 9}, // 5 bytes: unchanged
        {{}, 9},                             // nothing: unchanged
    };
    for (const row& r : rows) {
        relayvo::add_index.value = 9;
        read(relayvo::add_index, r.value);
        EXPECT_EQ(relayvo::add_index.value, r.expected) << "from " << r.value.size() << " bytes";
    }
    relayvo::add_index.value = 2;
    EXPECT_TRUE(relayvo::add_index.on());
}

TEST_F(config_var_test, text_writes_its_bytes_without_nul) {
    recording_sink sink;
    relayvo::cust_group_name.write_value(sink);
    relayvo::cust_group_name.set_text("");
    relayvo::cust_group_name.write_value(sink);
    EXPECT_EQ(sink.writes, (std::vector<std::uint32_t>{7, 0}));
    EXPECT_EQ(sink.bytes_written, (bytes{'R', 'e', 'l', 'a', 'y', 'v', 'o'}));
}

TEST_F(config_var_test, text_read_stops_at_nul_or_length) {
    read(relayvo::cust_group_name, {'a', 'b', 'c', 0, 'd', 'e', 'f'});
    EXPECT_STREQ(relayvo::cust_group_name.text(), "abc");
    read(relayvo::cust_group_name, {'x', 'y', 'z'});
    EXPECT_STREQ(relayvo::cust_group_name.text(), "xyz");
}

TEST_F(config_var_test, text_read_of_nothing_leaves_no_copy) {
    read(relayvo::cust_group_name, {});
    EXPECT_EQ(relayvo::cust_group_name.text(), relayvo::empty_text);
    EXPECT_STREQ(relayvo::cust_group_name.text(), "");

    relayvo::cust_group_name.set_text("abc");
    read(relayvo::cust_group_name, {0, 'a', 'b'});
    EXPECT_EQ(relayvo::cust_group_name.text(), relayvo::empty_text);
    EXPECT_STREQ(relayvo::cust_group_name.text(), "");
}

TEST_F(config_var_test, set_text_takes_the_whole_text_and_empty_leaves_none) {
    std::string text = "Group one";
    relayvo::cust_group_name.set_text(text.c_str());
    text = "overwritten";
    EXPECT_STREQ(relayvo::cust_group_name.text(), "Group one");
    relayvo::cust_group_name.set_text("");
    EXPECT_EQ(relayvo::cust_group_name.text(), relayvo::empty_text);
    EXPECT_STREQ(relayvo::cust_group_name.text(), "");
}

// A variable made as the library's static initialisation makes one, and
// taken off the list again when it goes.
class scoped_text_var {
public:
    scoped_text_var(const char* key, const char* initial) : var(key, initial) {}
    ~scoped_text_var() { relayvo::config_var_list = var.next; }
    relayvo::config_text var;
};

TEST_F(config_var_test, construction_needs_no_memory) {
    testing_support::counting_heap heap;
    heap.fail_all(true);
    const char* key = "scratch_key";
    const char* initial = "Initial";
    scoped_text_var scoped(key, initial);
    EXPECT_EQ(relayvo::config_var_list, &scoped.var);
    EXPECT_EQ(scoped.var.key, key);
    EXPECT_STREQ(scoped.var.text(), "Initial");
    recording_sink sink;
    scoped.var.write_value(sink);
    EXPECT_EQ(sink.bytes_written, (bytes{'I', 'n', 'i', 't', 'i', 'a', 'l'}));
    EXPECT_EQ(heap.total(), 0u);
}

TEST_F(config_var_test, text_that_cannot_be_copied_keeps_the_previous_value) {
    for (const char* previous : {"Relayvo", "Stored", ""}) {
        relayvo::cust_group_name.set_text(previous);
        testing_support::counting_heap heap;
        heap.fail_all(true);
        EXPECT_FALSE(relayvo::cust_group_name.set_text("A much longer new name")) << previous;
        EXPECT_STREQ(relayvo::cust_group_name.text(), previous);
        read(relayvo::cust_group_name, {'n', 'e', 'w'});
        EXPECT_STREQ(relayvo::cust_group_name.text(), previous);
        // Emptying needs no memory.
        EXPECT_TRUE(relayvo::cust_group_name.set_text(""));
        EXPECT_STREQ(relayvo::cust_group_name.text(), "");
    }
}

} // namespace
