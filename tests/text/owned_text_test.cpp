#include "tests/support/counting_heap.h"
#include "text/heap.h"
#include "text/owned_text.h"
#include "text/plain_text.h"

#include <gtest/gtest.h>

#include <cstring>

namespace relayvo {
namespace {

using quorvel::unbounded;

TEST(owned_text_test, new_cell_reads_empty) {
    owned_text cell;
    EXPECT_EQ(cell.get(), empty_text);
}

TEST(owned_text_test, assign_stores_bounded_copy) {
    owned_text cell;
    cell.assign("abcdef", 3);
    EXPECT_STREQ(cell.get(), "abc");
    cell.assign("xy\0z", unbounded);
    EXPECT_STREQ(cell.get(), "xy");
}

TEST(owned_text_test, empty_result_frees_the_text) {
    struct row {
        const char* what;
        const char* src;
        std::uint32_t max_len;
    };
    for (row r : {row{"empty source", "", unbounded}, row{"bound 0", "abc", 0}}) {
        testing_support::counting_heap heap;
        owned_text cell;
        cell.assign("held", unbounded);
        heap.reset();
        cell.assign(r.src, r.max_len);
        EXPECT_EQ(cell.get(), empty_text) << r.what;
        EXPECT_EQ(heap.releases, 1u) << r.what;
        EXPECT_EQ(heap.allocations + heap.reallocations, 0u) << r.what;
    }
}

TEST(owned_text_test, resizes_held_text_in_place_of_new_one) {
    testing_support::counting_heap heap;
    owned_text cell("first");
    EXPECT_EQ(heap.allocations, 1u);
    cell.assign("a much longer second text", unbounded);
    cell.assign("3rd", unbounded);
    EXPECT_STREQ(cell.get(), "3rd");
    EXPECT_EQ(heap.allocations, 1u);
    EXPECT_EQ(heap.reallocations, 2u);
    EXPECT_EQ(heap.releases, 0u);
}

TEST(owned_text_test, destruction_frees_the_text) {
    testing_support::counting_heap heap;
    { owned_text cell("owned"); }
    { owned_text empty; }
    EXPECT_EQ(heap.allocations, 1u);
    EXPECT_EQ(heap.releases, 1u);
}

TEST(plain_text_test, bounded_length) {
    const char unterminated[4] = {'w', 'x', 'y', 'z'}; // ASan flags any read past it
    struct row {
        const char* src;
        std::uint32_t max_len;
        std::uint32_t expected;
    };
    const row rows[] = {
        {nullptr, unbounded, 0}, {"", unbounded, 0}, {"abc", unbounded, 3}, {"abc", 2, 2},
        {"abc", 0, 0},           {"ab\0cd", 10, 2},  {unterminated, 4, 4},  {unterminated, 2, 2},
    };
    for (const row& r : rows)
        EXPECT_EQ(bounded_length(r.src, r.max_len), r.expected) << r.max_len;
}

TEST(plain_text_test, copy_bounded_writes_bytes_and_nul_only) {
    struct row {
        const char* src;
        std::uint32_t max_len;
        const char* expected; // the destination afterwards, '#' untouched
    };
    const row rows[] = {
        {"abcdef", unbounded, "abcdef\0#"},
        {"abcdef", 3, "abc\0####"},
        {"ab\0cd", 10, "ab\0#####"},
        {"abc", 0, "\0#######"},
    };
    for (const row& r : rows) {
        char dst[8];
        std::memset(dst, '#', sizeof dst);
        copy_bounded(dst, r.src, r.max_len);
        EXPECT_EQ(std::memcmp(dst, r.expected, sizeof dst), 0) << r.src << " " << r.max_len;
    }
}

TEST(plain_text_test, reallocate_text_of_none_allocates_a_bounded_copy) {
    testing_support::counting_heap heap;
    char* copy = reallocate_text(nullptr, "abcdef", 3);
    ASSERT_NE(copy, nullptr);
    EXPECT_STREQ(copy, "abc");
    char* stopped = reallocate_text(nullptr, "ab\0cd", unbounded);
    EXPECT_STREQ(stopped, "ab");
    char* empty = reallocate_text(nullptr, "", unbounded);
    ASSERT_NE(empty, nullptr);
    EXPECT_NE(empty, empty_text);
    EXPECT_EQ(empty[0], '\0');
    EXPECT_EQ(heap.allocations, 3u);
    EXPECT_EQ(heap.reallocations, 0u);
    for (char* text : {copy, stopped, empty})
        heap_release(text);
}

TEST(plain_text_test, reallocate_text_resizes_the_held_text) {
    testing_support::counting_heap heap;
    char* held = reallocate_text(nullptr, "short", unbounded);
    held = reallocate_text(held, "a longer text, cut here", 13);
    ASSERT_NE(held, nullptr);
    EXPECT_STREQ(held, "a longer text");
    EXPECT_EQ(heap.allocations, 1u);
    EXPECT_EQ(heap.reallocations, 1u);
    EXPECT_EQ(heap.releases, 0u);
    heap_release(held);
}

} // namespace
} // namespace relayvo
