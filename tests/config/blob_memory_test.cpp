// The blob when memory runs short: a save needs none, and a load that cannot
// copy a text leaves that variable as it was.
#include "config/blob.h"
#include "config/variables.h"
#include "tests/support/config_bytes.h"
#include "tests/support/config_state.h"
#include "tests/support/counting_heap.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using config_support::bytes;
using config_support::config_values;
using config_support::recording_sink;

class blob_memory_test : public ::testing::Test {
protected:
    void SetUp() override { config_support::set_values(config_support::sample_values()); }
    void TearDown() override { config_support::set_values({}); }

    static bytes save() {
        recording_sink sink;
        relayvo::write_blob(sink);
        return sink.bytes_written;
    }
};

TEST_F(blob_memory_test, save_without_memory_writes_every_record) {
    for (const char* group : {"Grüppe", ""}) {
        relayvo::cust_group_name.set_text(group);
        const bytes reference = save();
        bytes saved;
        testing_support::counting_heap heap;
        heap.fail_all(true);
        saved = save();
        EXPECT_EQ(heap.total(), 0u) << group;
        EXPECT_EQ(saved, reference) << group;
        auto records = config_support::split_records(saved);
        ASSERT_TRUE(records);
        EXPECT_EQ(records->size(), 8u) << group;
    }
}

TEST_F(blob_memory_test, failed_load_leaves_each_variable_loaded_or_as_it_was) {
    const bytes blob = save();
    const config_values loaded = config_support::sample_values();
    const config_values before{};
    std::size_t failures = 0;
    for (std::size_t n = 1;; ++n) {
        config_support::set_values(before);
        std::size_t calls;
        {
            testing_support::counting_heap heap;
            heap.fail_call(n);
            config_support::load_blob(blob);
            calls = heap.allocations + heap.reallocations;
        }
        config_values now = config_support::current_values();
        if (calls < n) {
            EXPECT_EQ(now, loaded);
            break;
        }
        ++failures;
        // Keys are matched in place, so only the text's copy can fail, and
        // it keeps the text it had; every flag is loaded all the same.
        config_values expected = loaded;
        expected.cust_group_name = before.cust_group_name;
        EXPECT_EQ(now, expected) << "call " << n;
    }
    EXPECT_EQ(failures, 1u);
}

} // namespace
