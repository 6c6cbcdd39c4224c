#include "tests/support/counting_heap.h"
#include "text/byte_block.h"

#include <gtest/gtest.h>

#include <cstring>

namespace relayvo {
namespace {

// One resize: a block brought to size `from` (0: a new block), then asked for `to`.
struct resize_case {
    const char* name;
    growth_mode mode;
    std::uint32_t from;
    std::uint32_t to;
    std::uint32_t capacity;
    std::size_t allocations;
    std::size_t reallocations;
    std::size_t releases;
};

const resize_case resize_cases[] = {
    // name, mode, from, to, capacity, allocations, reallocations, releases
    {"exact_new_20", growth_exact, 0, 20, 20, 1, 0, 0},
    {"exact_same_size", growth_exact, 20, 20, 20, 0, 0, 0},
    {"exact_shrink", growth_exact, 20, 7, 7, 0, 1, 0},
    {"exact_to_zero_frees", growth_exact, 20, 0, 0, 0, 0, 1},
    {"exact_new_to_zero", growth_exact, 0, 0, 0, 0, 0, 0},
    {"doubling_new_5", growth_doubling, 0, 5, 8, 1, 0, 0},
    {"doubling_new_1", growth_doubling, 0, 1, 1, 1, 0, 0},
    {"doubling_32_to_4_halves_to_8", growth_doubling, 32, 4, 8, 0, 1, 0},
    {"doubling_32_to_12", growth_doubling, 32, 12, 16, 0, 1, 0},
    {"doubling_16_to_16", growth_doubling, 16, 16, 16, 0, 0, 0},
    {"doubling_16_to_9", growth_doubling, 16, 9, 16, 0, 0, 0},
    {"doubling_16_to_17", growth_doubling, 16, 17, 32, 0, 1, 0},
    {"doubling_to_zero_frees", growth_doubling, 16, 0, 0, 0, 0, 1},
    {"keep_new_18", growth_keep, 0, 18, 32, 1, 0, 0},
    {"keep_32_to_4_keeps", growth_keep, 32, 4, 32, 0, 0, 0},
    {"keep_32_to_0_keeps_memory", growth_keep, 32, 0, 32, 0, 0, 0},
    {"keep_32_to_33", growth_keep, 32, 33, 64, 0, 1, 0},
    {"keep_20_to_1000", growth_keep, 20, 1000, 1024, 0, 1, 0},
};

class byte_block_resize_test : public testing::TestWithParam<resize_case> {};

TEST_P(byte_block_resize_test, capacity_and_allocator_calls_follow_growth_mode) {
    const resize_case& c = GetParam();
    testing_support::counting_heap heap;
    byte_block block(c.mode);
    if (c.from) block.set_size(c.from);
    heap.reset();

    std::uint8_t* result = block.set_size(c.to);

    EXPECT_EQ(block.size(), c.to);
    EXPECT_EQ(block.capacity(), c.capacity);
    EXPECT_EQ(result, block.data());
    EXPECT_EQ(block.data() != nullptr, c.capacity != 0);
    EXPECT_EQ(heap.allocations, c.allocations);
    EXPECT_EQ(heap.reallocations, c.reallocations);
    EXPECT_EQ(heap.releases, c.releases);
}

INSTANTIATE_TEST_SUITE_P(table, byte_block_resize_test, testing::ValuesIn(resize_cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(byte_block_test, new_block_holds_nothing) {
    byte_block block(growth_keep);
    EXPECT_EQ(block.data(), nullptr);
    EXPECT_EQ(block.size(), 0u);
    EXPECT_EQ(block.capacity(), 0u);
    EXPECT_EQ(block.mode(), growth_keep);
}

TEST(byte_block_test, resize_keeps_leading_bytes) {
    for (growth_mode mode : {growth_exact, growth_doubling, growth_keep}) {
        byte_block block(mode);
        block.write_at("0123456789abcdefghij", 20, 0);
        block.set_size(300);
        EXPECT_EQ(std::memcmp(block.data(), "0123456789abcdefghij", 20), 0) << mode;
        block.set_size(5);
        EXPECT_EQ(std::memcmp(block.data(), "01234", 5), 0) << mode;
    }
}

TEST(byte_block_test, keep_block_emptied_and_refilled_reuses_memory) {
    testing_support::counting_heap heap;
    byte_block block(growth_keep);
    block.write_at("first value", 11, 0);
    std::uint8_t* memory = block.data();
    heap.reset();

    block.set_size(0);
    EXPECT_EQ(block.write_at("second", 6, block.size()), memory);

    EXPECT_EQ(block.size(), 6u);
    EXPECT_EQ(std::memcmp(memory, "second", 6), 0);
    EXPECT_EQ(heap.total(), 0u);
}

TEST(byte_block_test, ensure_size_never_shrinks) {
    testing_support::counting_heap heap;
    byte_block block;
    block.set_size(10);
    heap.reset();

    EXPECT_EQ(block.ensure_size(4), block.data());
    EXPECT_EQ(block.ensure_size(10), block.data());
    EXPECT_EQ(block.size(), 10u);
    EXPECT_EQ(heap.total(), 0u);

    block.ensure_size(12);
    EXPECT_EQ(block.size(), 12u);
    EXPECT_EQ(block.capacity(), 12u);
    EXPECT_EQ(heap.reallocations, 1u);
}

TEST(byte_block_test, write_at_without_source_zeroes_the_range) {
    testing_support::counting_heap heap;
    byte_block block;
    std::uint8_t* written = block.write_at(nullptr, 3, 10);

    EXPECT_EQ(block.size(), 13u);
    EXPECT_EQ(block.capacity(), 13u);
    ASSERT_NE(block.data(), nullptr);
    EXPECT_EQ(written, block.data() + 10);
    EXPECT_EQ(std::memcmp(written, "\0\0\0", 3), 0);
    EXPECT_EQ(heap.allocations, 1u);
}

TEST(byte_block_test, write_at_with_source_copies_and_grows_only_past_the_size) {
    testing_support::counting_heap heap;
    byte_block block(growth_doubling);
    block.write_at("abcd", 4, 0);
    block.write_at("ef", 2, block.size()); // appends
    EXPECT_EQ(block.size(), 6u);
    EXPECT_EQ(block.capacity(), 8u);
    heap.reset();

    std::uint8_t* written = block.write_at("XY", 2, 1); // inside the size
    EXPECT_EQ(written, block.data() + 1);
    EXPECT_EQ(block.size(), 6u);
    EXPECT_EQ(std::memcmp(block.data(), "aXYdef", 6), 0);
    EXPECT_EQ(heap.total(), 0u);
}

TEST(byte_block_test, write_at_range_past_32_bits_writes_nothing) {
    testing_support::counting_heap heap;
    byte_block block;
    block.set_size(4);
    heap.reset();
    EXPECT_EQ(block.write_at("ab", 2, 0xFFFFFFFFu), nullptr);
    EXPECT_EQ(block.size(), 4u);
    EXPECT_EQ(heap.total(), 0u);
}

TEST(byte_block_test, size_past_doubling_range_leaves_block_empty) {
    for (growth_mode mode : {growth_doubling, growth_keep}) {
        testing_support::counting_heap heap;
        byte_block fresh(mode);
        EXPECT_EQ(fresh.set_size(0x80000001u), nullptr) << mode;
        EXPECT_EQ(fresh.size(), 0u) << mode;
        EXPECT_EQ(heap.total(), 0u) << mode;

        byte_block holding(mode);
        holding.set_size(64);
        heap.reset();
        EXPECT_EQ(holding.set_size(0xFFFFFFFFu), nullptr) << mode;
        EXPECT_EQ(holding.data(), nullptr) << mode;
        EXPECT_EQ(holding.size(), 0u) << mode;
        EXPECT_EQ(holding.capacity(), 0u) << mode;
        EXPECT_EQ(heap.allocations + heap.reallocations, 0u) << mode;
        EXPECT_EQ(heap.releases, 1u) << mode;
    }
}

} // namespace
} // namespace relayvo
