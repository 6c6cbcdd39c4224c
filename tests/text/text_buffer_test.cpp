#include "tests/support/counting_heap.h"
#include "tests/support/host_containers.h"
#include "text/plain_text.h"
#include "text/text_buffer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

namespace relayvo {
namespace {

using quorvel::unbounded;

const std::string hundred(100, 'x');
const std::string sixty(60, 's');

// One operation on a buffer and everything observable afterwards.
struct step {
    const char* what;
    std::function<void(text_buffer&)> op;
    std::string text;
    std::uint32_t block_size;
    std::uint32_t capacity;
    std::size_t allocator_calls;
};

void run_steps(text_buffer& buffer, const std::vector<step>& steps) {
    testing_support::counting_heap heap;
    for (const step& s : steps) {
        heap.reset();
        s.op(buffer);
        SCOPED_TRACE(s.what);
        EXPECT_EQ(buffer.get_text(), s.text);
        EXPECT_EQ(buffer.length(), s.text.size());
        if (s.text.empty()) {
            EXPECT_EQ(buffer.get_text(), empty_text);
        }
        EXPECT_EQ(buffer.block().size(), s.block_size);
        EXPECT_EQ(buffer.block().capacity(), s.capacity);
        EXPECT_EQ(heap.allocations + heap.reallocations, s.allocator_calls);
    }
}

TEST(text_buffer_test, new_buffer_is_empty_and_holds_no_memory) {
    text_buffer buffer;
    EXPECT_EQ(buffer.length(), 0u);
    EXPECT_EQ(buffer.get_text(), empty_text);
    EXPECT_EQ(buffer.block().data(), nullptr);
    EXPECT_EQ(buffer.block().mode(), growth_exact);
}

TEST(text_buffer_test, exact_block_follows_the_growth_rule) {
    text_buffer buffer;
    run_steps(
        buffer,
        {
            // what, operation, text afterwards, block size, capacity, allocator calls
            {"assign 3 bytes", [](auto& b) { b.assign("abc", unbounded); }, "abc", 20, 20, 1},
            {"append 4 fits", [](auto& b) { b.append("defg", unbounded); }, "abcdefg", 20, 20, 0},
            {"assign 100 grows", [](auto& b) { b.assign(hundred.c_str(), unbounded); }, hundred,
             117, 117, 1},
            {"assign 84: 32 spare bytes stay", [](auto& b) { b.assign(hundred.c_str(), 84); },
             hundred.substr(0, 84), 117, 117, 0},
            {"assign 1 shrinks", [](auto& b) { b.assign("y", unbounded); }, "y", 2, 2, 1},
            {"append grows by 16", [](auto& b) { b.append("z", unbounded); }, "yz", 19, 19, 1},
            {"truncate longer", [](auto& b) { b.truncate(5); }, "yz", 19, 19, 0},
            {"truncate to 1", [](auto& b) { b.truncate(1); }, "y", 19, 19, 0},
            {"assign 60", [](auto& b) { b.assign(sixty.c_str(), unbounded); }, sixty, 77, 77, 1},
            {"truncate shrinks", [](auto& b) { b.truncate(10); }, sixty.substr(0, 10), 11, 11, 1},
            {"assign empty keeps memory", [](auto& b) { b.assign("", unbounded); }, "", 11, 11, 0},
        });
}

TEST(text_buffer_test, keep_block_only_doubles) {
    text_buffer buffer(text_buffer::size_hint{0});
    EXPECT_EQ(buffer.block().mode(), growth_keep);
    run_steps(buffer,
              {
                  {"append 1 byte", [](auto& b) { b.append("a", unbounded); }, "a", 18, 32, 1},
                  {"append 40", [](auto& b) { b.append(std::string(40, 'b').c_str(), unbounded); },
                   "a" + std::string(40, 'b'), 58, 64, 1},
                  {"truncate to 0", [](auto& b) { b.truncate(0); }, "", 1, 64, 0},
                  {"assign 1 byte", [](auto& b) { b.assign("c", unbounded); }, "c", 18, 64, 0},
              });
}

TEST(text_buffer_test, copies_stop_at_bound_and_at_nul) {
    text_buffer buffer;
    run_steps(
        buffer,
        {
            {"assign bounded", [](auto& b) { b.assign("abcdef", 3); }, "abc", 20, 20, 1},
            {"append bounded", [](auto& b) { b.append("xyz", 2); }, "abcxy", 20, 20, 0},
            {"append bound 0", [](auto& b) { b.append("xyz", 0); }, "abcxy", 20, 20, 0},
            {"assign stops at NUL", [](auto& b) { b.assign("ab\0cd", 10); }, "ab", 20, 20, 0},
            {"append stops at NUL", [](auto& b) { b.append("q\0r", unbounded); }, "abq", 20, 20, 0},
            {"assign bound 0", [](auto& b) { b.assign("abc", 0); }, "", 20, 20, 0},
        });
}

TEST(text_buffer_test, null_source_is_the_empty_text) {
    text_buffer buffer;
    run_steps(
        buffer,
        {
            {"append null to new", [](auto& b) { b.append(nullptr, unbounded); }, "", 17, 17, 1},
            {"assign", [](auto& b) { b.assign("abc", unbounded); }, "abc", 17, 17, 0},
            {"append null", [](auto& b) { b.append(nullptr, unbounded); }, "abc", 17, 17, 0},
            {"assign null", [](auto& b) { b.assign(nullptr, unbounded); }, "", 17, 17, 0},
        });
}

TEST(text_buffer_test, size_hint_makes_room_at_once) {
    struct row {
        std::uint32_t hint;
        std::uint32_t block_size;
        std::uint32_t capacity;
    };
    // A hint whose text, NUL and slack pass 32 bits asks for no memory.
    for (row r : {row{0, 0, 0}, row{unbounded, 0, 0}, row{unbounded - 2, 0, 0}, row{10, 27, 32},
                  row{100, 117, 128}}) {
        testing_support::counting_heap heap;
        text_buffer buffer(text_buffer::size_hint{r.hint});
        EXPECT_EQ(buffer.block().mode(), growth_keep) << r.hint;
        EXPECT_EQ(buffer.block().size(), r.block_size) << r.hint;
        EXPECT_EQ(buffer.block().capacity(), r.capacity) << r.hint;
        EXPECT_EQ(heap.allocations, r.capacity ? 1u : 0u) << r.hint;
        EXPECT_EQ(buffer.length(), 0u) << r.hint;
        EXPECT_EQ(buffer.get_text(), empty_text) << r.hint;
    }
}

TEST(text_buffer_test, copy_of_foreign_text_reads_only_its_get_text) {
    // Any object of the text shape, reached only through its operations.
    testing_support::string_buffer source("hello", testing_support::recording::on);
    text_buffer copy(static_cast<quorvel::text_buffer&>(source));
    EXPECT_STREQ(copy.get_text(), "hello");
    EXPECT_EQ(copy.length(), 5u);
    EXPECT_EQ(copy.block().mode(), growth_exact);
    EXPECT_EQ(copy.block().size(), 22u);
    EXPECT_EQ(source.calls, testing_support::call_log{"get_text"});
}

TEST(text_buffer_test, copy_owns_separate_memory) {
    text_buffer original(text_buffer::size_hint{0});
    original.assign("label", unbounded);
    text_buffer copy(original);
    original.assign("changed", unbounded);
    EXPECT_STREQ(copy.get_text(), "label");
    EXPECT_EQ(copy.block().mode(), growth_exact);
    EXPECT_NE(copy.block().data(), original.block().data());

    text_buffer empty;
    text_buffer empty_copy(empty);
    EXPECT_EQ(empty_copy.get_text(), empty_text);
}

TEST(text_buffer_test, move_takes_memory_and_leaves_source_empty) {
    text_buffer source;
    source.assign("moved", unbounded);
    const std::uint8_t* memory = source.block().data();
    text_buffer target(std::move(source));
    EXPECT_STREQ(target.get_text(), "moved");
    EXPECT_EQ(target.block().data(), memory);
    EXPECT_EQ(source.length(), 0u);
    EXPECT_EQ(source.get_text(), empty_text);
    EXPECT_EQ(source.block().data(), nullptr);
}

} // namespace
} // namespace relayvo
