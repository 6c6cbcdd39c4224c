#include "config/memory_sink.h"
#include "tests/support/counting_heap.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

std::string_view contents(const relayvo::memory_sink& sink) {
    return {reinterpret_cast<const char*>(sink.block.data()), sink.block.size()};
}

TEST(memory_sink_test, writes_append) {
    relayvo::memory_sink sink;
    sink.write("abc", 3);
    sink.write("", 0);
    sink.write("de", 2);
    EXPECT_EQ(contents(sink), "abcde");
    EXPECT_TRUE(sink.complete());
}

TEST(memory_sink_test, clear_keeps_the_memory) {
    testing_support::counting_heap heap;
    relayvo::memory_sink sink;
    sink.write("abcdefgh", 8);
    std::uint32_t capacity = sink.block.capacity();
    heap.reset();
    sink.clear();
    sink.write("xyz", 3);
    EXPECT_EQ(contents(sink), "xyz");
    EXPECT_EQ(sink.block.capacity(), capacity);
    EXPECT_EQ(heap.total(), 0u);
}

TEST(memory_sink_test, failed_write_is_remembered_until_clear) {
    testing_support::counting_heap heap;
    relayvo::memory_sink sink;
    heap.fail_call(1);
    sink.write("abc", 3);
    EXPECT_FALSE(sink.complete());
    sink.write("de", 2); // succeeds, but the value is already torn
    EXPECT_FALSE(sink.complete());
    sink.clear();
    EXPECT_TRUE(sink.complete());
    EXPECT_EQ(sink.block.size(), 0u);
}

} // namespace
