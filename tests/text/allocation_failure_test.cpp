#include "tests/support/counting_heap.h"
#include "text/byte_block.h"
#include "text/format.h"
#include "text/heap.h"
#include "text/owned_text.h"
#include "text/plain_text.h"
#include "text/pointer_list.h"
#include "text/text_buffer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace relayvo {
namespace {

using quorvel::unbounded;
using testing_support::counting_heap;

// The calls a planned failure counts.
std::size_t calls(const counting_heap& heap) {
    return heap.allocations + heap.reallocations;
}

template <class Subject, class Model>
struct step {
    const char* what;
    std::function<void(Subject&)> act;
    std::function<void(Model&)> model; // what `act` does when memory is there
};

// Runs the steps once to count the allocator calls, then once per call with
// that call failing. The step that meets the failure must leave the subject
// in the state `lost` checks and returns (holding no memory); every other
// step must act as the model says on what the subject held. Afterwards, with
// memory back, all steps are run again and must work.
template <class Subject, class Model, class Make, class Read, class Lost>
void fail_each_call(Make make, Read read, Lost lost,
                    const std::vector<step<Subject, Model>>& steps) {
    std::size_t total = 0;
    {
        counting_heap heap;
        Subject subject = make();
        for (const auto& s : steps)
            s.act(subject);
        total = calls(heap);
    }
    ASSERT_GT(total, 0u);
    for (std::size_t n = 1; n <= total; ++n) {
        SCOPED_TRACE("failing allocator call " + std::to_string(n));
        counting_heap heap;
        heap.fail_call(n);
        Subject subject = make();
        Model model = n <= calls(heap) ? lost(subject) : read(subject);
        for (const auto& s : steps) {
            SCOPED_TRACE(s.what);
            std::size_t before = calls(heap);
            s.act(subject);
            if (before < n && n <= calls(heap))
                model = lost(subject);
            else
                s.model(model);
            EXPECT_EQ(read(subject), model);
        }
        ASSERT_GE(calls(heap), n) << "the planned failure never happened";
        for (const auto& s : steps) {
            SCOPED_TRACE(std::string("with memory back: ") + s.what);
            s.act(subject);
            s.model(model);
            EXPECT_EQ(read(subject), model);
        }
    }
}

std::string read_block(const byte_block& block) {
    if (!block.data()) {
        EXPECT_EQ(block.size(), 0u);
        return "";
    }
    EXPECT_LE(block.size(), block.capacity());
    return std::string(reinterpret_cast<const char*>(block.data()), block.size());
}

std::string block_lost(const byte_block& block) {
    EXPECT_EQ(block.data(), nullptr);
    EXPECT_EQ(block.size(), 0u);
    EXPECT_EQ(block.capacity(), 0u);
    return "";
}

// A text and whether it lost memory since it was last assigned or emptied;
// a lost text stays empty and ignores appends until then.
struct text_model {
    std::string text;
    bool lost = false;
    bool operator==(const text_model&) const = default;
};
std::ostream& operator<<(std::ostream& out, const text_model& m) {
    return out << '"' << m.text << '"' << (m.lost ? " lost" : "");
}

std::string read_text(text_buffer& text) {
    const char* t = text.get_text();
    EXPECT_NE(t, nullptr);
    EXPECT_EQ(std::strlen(t), text.length());
    if (text.length() > 0) {
        EXPECT_EQ(reinterpret_cast<const std::uint8_t*>(t), text.block().data());
        EXPECT_GE(text.block().size(), text.length() + 1);
    }
    return t;
}

text_model read_text_model(text_buffer& text) {
    return {read_text(text), !text.intact()};
}

text_model text_lost(text_buffer& text) {
    EXPECT_EQ(text.length(), 0u);
    EXPECT_EQ(text.get_text(), empty_text);
    EXPECT_FALSE(text.intact());
    block_lost(text.block());
    return {"", true};
}

const std::string long_a(30, 'a');
const std::string long_b(100, 'b');

TEST(allocation_failure_test, byte_block_frees_what_it_held) {
    for (growth_mode mode : {growth_exact, growth_doubling, growth_keep}) {
        counting_heap heap;
        byte_block block(mode);
        heap.fail_call(1);
        EXPECT_EQ(block.set_size(10), nullptr) << mode;
        block_lost(block);

        block.set_size(10);
        heap.reset();
        heap.fail_call(1);
        EXPECT_EQ(block.set_size(100), nullptr) << mode;
        block_lost(block);
        EXPECT_EQ(heap.reallocations, 1u) << mode;
        EXPECT_EQ(heap.releases, 1u) << mode;
    }
}

TEST(allocation_failure_test, write_at_returns_null_and_writes_nothing) {
    for (const char* src : {"abcdef", static_cast<const char*>(nullptr)}) {
        counting_heap heap;
        byte_block block(growth_keep);
        block.write_at("xy", 2, 0);
        heap.fail_call(1);
        EXPECT_EQ(block.write_at(src, 6, 30), nullptr); // ASan: nothing reaches lost memory
        block_lost(block);
        EXPECT_NE(block.write_at(src, 6, 0), nullptr); // memory is back
        EXPECT_EQ(block.size(), 6u);
    }
}

TEST(allocation_failure_test, byte_block_appends_failing_each_call) {
    using block_step = step<byte_block, std::string>;
    auto append = [](const char* what, std::string bytes) {
        return block_step{what,
                          [bytes](byte_block& b) {
                              b.write_at(bytes.data(), static_cast<std::uint32_t>(bytes.size()),
                                         b.size());
                          },
                          [bytes](std::string& m) { m += bytes; }};
    };
    const std::vector<block_step> steps = {
        append("append 3", "abc"),
        append("append 10", "0123456789"),
        {"empty", [](byte_block& b) { b.set_size(0); }, [](std::string& m) { m.clear(); }},
        append("append 40", std::string(40, 'f')),
        {"append 30 zeros", [](byte_block& b) { b.write_at(nullptr, 30, b.size()); },
         [](std::string& m) { m += std::string(30, '\0'); }},
        {"shrink to 5", [](byte_block& b) { b.set_size(std::min(b.size(), 5u)); },
         [](std::string& m) { m.resize(std::min<std::size_t>(m.size(), 5)); }},
        append("append 2", "zz"),
    };
    for (growth_mode mode : {growth_exact, growth_doubling, growth_keep}) {
        SCOPED_TRACE(mode);
        fail_each_call<byte_block, std::string>([mode] { return byte_block(mode); }, read_block,
                                                block_lost, steps);
    }
}

using text_step = step<text_buffer, text_model>;

text_step assign_step(const char* what, const std::string& text) {
    return {what, [text](text_buffer& t) { t.assign(text.c_str(), unbounded); },
            [text](text_model& m) {
                m = {text, false};
            }};
}
text_step append_step(const char* what, const std::string& text) {
    return {what, [text](text_buffer& t) { t.append(text.c_str(), unbounded); },
            [text](text_model& m) {
                if (!m.lost) m.text += text;
            }};
}
text_step truncate_step(const char* what, std::uint32_t n) {
    return {what, [n](text_buffer& t) { t.truncate(n); },
            [n](text_model& m) {
                if (n == 0) m.lost = false;
                if (n < m.text.size()) m.text.resize(n);
            }};
}

const std::vector<text_step> text_steps = {
    assign_step("assign 3", "abc"),
    append_step("append 30", long_a),
    truncate_step("truncate to 2", 2),
    append_step("append 3", "xyz"),
    assign_step("assign 100", long_b),
    assign_step("assign 1", "k"),
    append_step("append 2", "lm"),
    truncate_step("truncate to 0", 0),
    append_step("append 40", long_a + "0123456789"),
};

TEST(allocation_failure_test, exact_text_buffer_failing_each_call) {
    fail_each_call<text_buffer, text_model>([] { return text_buffer(); }, read_text_model,
                                            text_lost, text_steps);
}

TEST(allocation_failure_test, keep_text_buffer_failing_each_call) {
    fail_each_call<text_buffer, text_model>([] { return text_buffer(text_buffer::size_hint{20}); },
                                            read_text_model, text_lost, text_steps);
}

TEST(allocation_failure_test, copied_text_buffer_reads_empty) {
    counting_heap heap;
    text_buffer source;
    source.assign("source", unbounded);
    heap.fail_call(1);
    text_buffer copy(source);
    text_lost(copy);
    copy.append("ignored", unbounded); // a lost text does not read as a fragment
    text_lost(copy);
    copy.assign("again", unbounded);
    EXPECT_STREQ(copy.get_text(), "again");
    EXPECT_TRUE(copy.intact());
}

// A text that cannot be had leaves the one held before, as a failed realloc
// leaves its block; with memory back, assigning works again.
TEST(allocation_failure_test, owned_text_keeps_its_text_when_a_new_one_cannot_be_had) {
    const std::vector<std::string> texts = {"abc", long_a, "de", "", "fgh", long_b};
    std::size_t total = 0;
    {
        counting_heap heap;
        owned_text cell;
        for (const std::string& t : texts)
            cell.assign(t.c_str(), unbounded);
        total = calls(heap);
    }
    ASSERT_GT(total, 0u);
    for (std::size_t n = 1; n <= total; ++n) {
        SCOPED_TRACE("failing allocator call " + std::to_string(n));
        counting_heap heap;
        heap.fail_call(n);
        owned_text cell;
        std::string model;
        for (const std::string& t : texts) {
            std::size_t before = calls(heap);
            bool assigned = cell.assign(t.c_str(), unbounded);
            bool failed = before < n && n <= calls(heap);
            EXPECT_EQ(assigned, !failed) << t;
            if (assigned) model = t;
            EXPECT_EQ(std::string(cell.get()), model);
            if (model.empty()) {
                EXPECT_EQ(cell.get(), empty_text);
            }
        }
        ASSERT_GE(calls(heap), n) << "the planned failure never happened";
        EXPECT_TRUE(cell.assign("again", unbounded));
        EXPECT_STREQ(cell.get(), "again");
    }
}

TEST(allocation_failure_test, reallocate_text_returns_null_and_keeps_the_held_text) {
    counting_heap heap;
    char* held = reallocate_text(nullptr, "held", unbounded);
    ASSERT_NE(held, nullptr);
    heap.fail_all(true);
    EXPECT_EQ(reallocate_text(nullptr, "abc", unbounded), nullptr);
    EXPECT_EQ(reallocate_text(nullptr, "", unbounded), nullptr);
    EXPECT_EQ(reallocate_text(held, long_b.c_str(), unbounded), nullptr);
    EXPECT_STREQ(held, "held"); // ASan: still held, never freed
    EXPECT_EQ(heap.allocations, 3u);
    EXPECT_EQ(heap.reallocations, 1u);
    EXPECT_EQ(heap.releases, 0u);
    heap_release(held);
}

std::vector<void*> read_list(pointer_list& list) {
    std::vector<void*> out;
    for (std::uint32_t i = 0; i < list.count(); ++i)
        out.push_back(list.get(i));
    EXPECT_GE(list.capacity(), list.count() * sizeof(void*));
    return out;
}

std::vector<void*> list_lost(pointer_list& list) {
    EXPECT_EQ(list.count(), 0u);
    EXPECT_EQ(list.capacity(), 0u);
    return {};
}

int pool[10];

// Keeps the items at even positions.
class even_mask final : public quorvel::index_mask {
public:
    bool get(std::uint32_t index) const override { return index % 2 == 0; }
    std::uint32_t find(bool value, std::uint32_t start, std::uint32_t count) const override {
        for (std::uint32_t i = start; i < start + count; ++i)
            if (get(i) == value) return i;
        return start + count;
    }
};

TEST(allocation_failure_test, pointer_list_left_empty_and_usable) {
    using list_step = step<pointer_list, std::vector<void*>>;
    auto insert = [](int item, bool at_front) {
        return list_step{
            "insert", [=](pointer_list& l) { l.insert(&pool[item], at_front ? 0 : l.count()); },
            [=](std::vector<void*>& m) { m.insert(at_front ? m.begin() : m.end(), &pool[item]); }};
    };
    std::vector<list_step> steps;
    for (int i = 0; i < 9; ++i)
        steps.push_back(insert(i, i % 3 == 0));
    steps.push_back({"remove first",
                     [](pointer_list& l) {
                         if (l.count()) l.remove_at(0);
                     },
                     [](std::vector<void*>& m) {
                         if (!m.empty()) m.erase(m.begin());
                     }});
    steps.push_back({"filter evens", [](pointer_list& l) { l.filter(even_mask()); },
                     [](std::vector<void*>& m) {
                         std::vector<void*> kept;
                         for (std::size_t i = 0; i < m.size(); i += 2)
                             kept.push_back(m[i]);
                         m = kept;
                     }});
    steps.push_back({"resize past 32 bits of bytes", [](pointer_list& l) { l.resize(0x40000000u); },
                     [](std::vector<void*>& m) { m.clear(); }});
    steps.push_back({"remove all", [](pointer_list& l) { remove_all(l); },
                     [](std::vector<void*>& m) { m.clear(); }});
    steps.push_back(insert(9, false));
    fail_each_call<pointer_list, std::vector<void*>>([] { return pointer_list(); }, read_list,
                                                     list_lost, steps);
}

// A failure at any point of the output leaves the whole result empty, not a
// fragment; formatting into the same text again works once memory is back.
TEST(allocation_failure_test, failing_formatter_output_reads_empty) {
    const std::string name(40, 'n');
    const char* fmt = "%s/%s/Playlist %04u and %s, then some more ordinary text";
    auto format = [&](quorvel::text_buffer& out) {
        format_to(out, fmt, name.c_str(), name.c_str(), 12u, name.c_str());
    };
    std::string full;
    std::size_t total = 0;
    {
        counting_heap heap;
        text_buffer result(text_buffer::size_hint{0});
        format(result);
        full = read_text(result);
        total = calls(heap);
    }
    ASSERT_GE(total, 2u);
    for (std::size_t n = 1; n <= total; ++n) {
        SCOPED_TRACE("failing allocator call " + std::to_string(n));
        counting_heap heap;
        heap.fail_call(n);
        text_buffer out = format_text(fmt, name.c_str(), name.c_str(), 12u, name.c_str());
        text_lost(out);
        format(out);
        EXPECT_EQ(read_text(out), full);
    }

    counting_heap heap;
    heap.fail_all(true);
    text_buffer failed = format_text("%s. %s (%i)", "12", "Rock", 42);
    text_lost(failed);
}

} // namespace
} // namespace relayvo
