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

TEST_F(blob_memory_test, failed_save_writes_only_whole_records) {
    auto reference = config_support::split_records(save());
    ASSERT_TRUE(reference);
    std::size_t failures = 0;
    for (std::size_t n = 1;; ++n) {
        bytes saved;
        std::size_t calls;
        {
            testing_support::counting_heap heap;
            heap.fail_call(n);
            saved = save();
            calls = heap.allocations + heap.reallocations;
        }
        auto records = config_support::split_records(saved);
        ASSERT_TRUE(records) << "torn record when call " << n << " failed";
        // Every record written is the one a save without failures writes.
        std::size_t next = 0;
        for (const auto& r : *records) {
            while (next < reference->size() && (*reference)[next].key != r.key)
                ++next;
            ASSERT_LT(next, reference->size()) << r.key << " out of order, call " << n;
            EXPECT_EQ(r.value, (*reference)[next].value) << r.key << ", call " << n;
        }
        if (calls < n) break;
        ++failures;
    }
    EXPECT_GT(failures, 0u);
    EXPECT_EQ(config_support::current_values(), config_support::sample_values());
}

TEST_F(blob_memory_test, save_without_memory_keeps_records_needing_none) {
    relayvo::cust_group_name.set_text("");
    bytes saved;
    {
        testing_support::counting_heap heap;
        heap.fail_all(true);
        saved = save();
    }
    config_support::blob_builder expected;
    expected.record("cust_group_name", "");
    EXPECT_EQ(saved, expected.data);
}

TEST_F(blob_memory_test, failed_load_sets_each_variable_wholly_or_not_at_all) {
    const bytes blob = save();
    const config_values loaded = config_support::sample_values();
    const config_values before{};
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
        auto old_or_loaded = [&](auto member) {
            return now.*member == before.*member || now.*member == loaded.*member;
        };
        for (auto flag :
             {&config_values::add_total, &config_values::replace, &config_values::add_index,
              &config_values::use_custom_group, &config_values::force_on,
              &config_values::show_numbers, &config_values::move_files})
            EXPECT_TRUE(old_or_loaded(flag)) << "call " << n << ": " << now;
        // A text that could not be copied reads as empty.
        EXPECT_TRUE(old_or_loaded(&config_values::cust_group_name) || now.cust_group_name.empty())
            << "call " << n << ": " << now;
        if (calls < n) {
            EXPECT_EQ(now, loaded);
            break;
        }
    }
}

} // namespace
