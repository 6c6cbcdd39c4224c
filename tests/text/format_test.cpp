#include "tests/support/counting_heap.h"
#include "tests/support/host_containers.h"
#include "text/format.h"
#include "text/plain_text.h"
#include "text/utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace relayvo {
namespace {

using quorvel::unbounded;

// Reads a formatted result, checking that its length agrees with its text.
std::string read(text_buffer& result) {
    EXPECT_EQ(std::strlen(result.get_text()), result.length());
    return result.get_text();
}
std::string read(text_buffer&& result) {
    return read(result);
}

#define EXPECT_FORMAT(expected, ...)                                                               \
    EXPECT_EQ(read(format_text(__VA_ARGS__)), expected) << "format_text(" #__VA_ARGS__ ")"

// A text object of another implementation that records every operation it gets.
testing_support::string_buffer recording_text(std::string text) {
    return testing_support::string_buffer(std::move(text), testing_support::recording::on);
}

constexpr std::string_view append_call = "append ";

// Whether a recorded call is an append.
bool is_append(const std::string& call) {
    return call.starts_with(append_call);
}

TEST(format_test, conversion_letters_in_both_cases) {
    EXPECT_FORMAT("abc", "%s", "abc");
    EXPECT_FORMAT("abc", "%S", "abc");
    EXPECT_FORMAT("h\xC3\xA9!", "%s", "h\xC3\xA9!");
    EXPECT_FORMAT("", "%s", "");
    EXPECT_FORMAT("-7", "%d", -7);
    EXPECT_FORMAT("42", "%D", 42);
    EXPECT_FORMAT("-2147483648", "%i", INT32_MIN);
    EXPECT_FORMAT("0", "%I", 0);
    EXPECT_FORMAT("12", "%u", 12u);
    EXPECT_FORMAT("4294967295", "%U", 0xFFFFFFFFu);
    EXPECT_FORMAT("ff", "%x", 255u);
    EXPECT_FORMAT("deadbeef", "%x", 0xDEADBEEFu);
    EXPECT_FORMAT("FF", "%X", 255u);
    EXPECT_FORMAT("ABCDEF09", "%X", 0xABCDEF09u);
    EXPECT_FORMAT("A", "%c", 65);
    EXPECT_FORMAT("z", "%C", std::uint32_t{'z'});
    EXPECT_FORMAT("A", "%c", 0x141); // only the low byte counts
    EXPECT_FORMAT("ab", "a%cb", 0);
    EXPECT_FORMAT("ab", "a%cb", 0xE9); // a byte of 0x80 and above writes nothing
}

TEST(format_test, labels_and_command_names) {
    EXPECT_FORMAT("3. Rock (42)", "%s. %s (%i)", "3", "Rock", 42);
    EXPECT_FORMAT("Rock (0)", "%s (%i)", "Rock", 0);
    EXPECT_FORMAT("Group/Playlist 0012", "%s/Playlist %04u", "Group", 12u);
    EXPECT_FORMAT("Relayvo/Jazz", "Relayvo/%s", "Jazz");
    EXPECT_FORMAT("%02u", "%%0%uu", 2u);
    text_buffer number_format = format_text("%%0%uu", 2u);
    EXPECT_FORMAT("07", number_format.get_text(), 7u);
    EXPECT_FORMAT("123", number_format.get_text(), 123u);
}

TEST(format_test, forced_sign_on_positive_numbers_only) {
    EXPECT_FORMAT("+7", "%+d", 7);
    EXPECT_FORMAT("0", "%+d", 0);
    EXPECT_FORMAT("-7", "%+d", -7);
    EXPECT_FORMAT("+1", "%+I", 1);
    EXPECT_FORMAT("+5", "%+u", 5u);
    EXPECT_FORMAT("2147483648", "%+u", 0x80000000u);
    EXPECT_FORMAT("+ff", "%+x", 255u);
    EXPECT_FORMAT("FFFFFFFF", "%+X", 0xFFFFFFFFu);
    EXPECT_FORMAT("a", "%+s", "a");
    EXPECT_FORMAT("A", "%+c", 65);
    EXPECT_FORMAT("+   42", "%+5d", 42); // the sign goes before the fill, outside the width
    EXPECT_FORMAT("+00042", "%+05d", 42);
}

TEST(format_test, width_fills_with_spaces_or_zeros) {
    EXPECT_FORMAT("   ab", "%5s", "ab");
    EXPECT_FORMAT("000ab", "%05s", "ab");
    EXPECT_FORMAT("          ", "%10s", "");
    EXPECT_FORMAT("0007", "%04u", 7u);
    EXPECT_FORMAT("  ff", "%4x", 255u);
    EXPECT_FORMAT("00FF", "%04X", 255u);
    EXPECT_FORMAT("   -5", "%5i", -5);
    EXPECT_FORMAT("00-42", "%05d", -42); // zero fill lands before the '-'
    EXPECT_FORMAT("000000000007", "%012u", 7u);
    EXPECT_FORMAT("123", "%2u", 123u); // never cuts
    EXPECT_FORMAT("123", "%3u", 123u);
    EXPECT_FORMAT("A", "%5c", 65);
    EXPECT_FORMAT("A", "%05C", 65);
}

TEST(format_test, percent_pair_writes_one_percent) {
    EXPECT_FORMAT("%", "%%");
    EXPECT_FORMAT("100%", "100%%");
    EXPECT_FORMAT("%%", "%%%%");
    EXPECT_FORMAT("%d 5", "%%d %u", 5u);
}

TEST(format_test, unfinished_conversion_at_end_writes_nothing) {
    EXPECT_FORMAT("", "%");
    EXPECT_FORMAT("ab", "ab%");
    EXPECT_FORMAT("ab", "ab%+");
    EXPECT_FORMAT("ab", "ab%12");
    EXPECT_FORMAT("ab", "ab%+012");
    EXPECT_FORMAT("5", "%u%", 5u);
}

TEST(format_test, unrecognised_letter_is_rescanned_without_taking_argument) {
    EXPECT_FORMAT("q5", "%q%u", 5u);
    EXPECT_FORMAT("-5d", "%-5d", 3);
    EXPECT_FORMAT("9", "%5%d", 9);
    EXPECT_FORMAT("4", "%+%u", 4u);
    EXPECT_FORMAT("zt", "%+7z%s", "t");
    EXPECT_FORMAT(" dx", "% d%s", "x");
    EXPECT_FORMAT("l3|s", "%l%u|%s", 3u, "s");
}

TEST(format_test, missing_or_mismatched_argument_reads_as_zero_or_empty) {
    EXPECT_FORMAT("[]", "[%s]");
    EXPECT_FORMAT("5/0/", "%u/%d/%s", 5u);
    EXPECT_FORMAT("ab", "a%cb");
    EXPECT_FORMAT("[  ]", "[%2s]", 7u);         // a number where a text belongs
    EXPECT_FORMAT("0|00", "%u|%02x", "7", "8"); // texts where numbers belong
    EXPECT_FORMAT("[ ]", "[%1s]", static_cast<const char*>(nullptr));
}

TEST(format_test, format_bytes_above_7f_write_nothing) {
    EXPECT_FORMAT("ab", "a\xC3\xA9"
                        "b");
}

TEST(format_test, result_is_keep_block_that_only_grows) {
    testing_support::counting_heap heap;
    const std::string piece(20, 'w');
    const char* p = piece.c_str();
    text_buffer result = format_text("%s%s%s%s", p, p, p, p);
    EXPECT_EQ(read(result), piece + piece + piece + piece);
    EXPECT_EQ(result.block().mode(), growth_keep);
    EXPECT_EQ(result.block().capacity(), 128u);
    EXPECT_EQ(heap.allocations, 1u);
    EXPECT_EQ(heap.reallocations, 1u); // 64 -> 128
}

TEST(format_test, output_replaces_what_buffer_held) {
    testing_support::counting_heap heap;
    text_buffer out = format_text("%s", std::string(90, 'o').c_str());
    heap.reset();
    format_to(out, "n%u", 1u);
    EXPECT_STREQ(out.get_text(), "n1");
    EXPECT_EQ(out.length(), 2u);
    EXPECT_EQ(heap.total(), 0u); // the keep block reuses its memory

    format_to(out, "");
    EXPECT_EQ(out.get_text(), empty_text);
}

TEST(format_test, format_into_foreign_text_truncates_then_only_appends) {
    auto out = recording_text("previous text");
    format_to(out, "a%+3d%%%s|%c%5s", 5, "xy", std::int32_t{'q'}, "end");
    EXPECT_EQ(out.text, "a+  5%xy|q  end");
    ASSERT_FALSE(out.calls.empty());
    EXPECT_EQ(out.calls.front(), "truncate 0");
    EXPECT_EQ(
        static_cast<std::size_t>(std::count_if(out.calls.begin(), out.calls.end(), is_append)),
        out.calls.size() - 1);
}

TEST(format_test, append_char_encodes_utf8) {
    struct row {
        std::uint32_t value;
        const char* expected;
        bool encoded; // a value without an encoding appends nothing
    };
    for (row r :
         {row{'A', "xA", true}, row{0xE9, "x\xC3\xA9", true}, row{0x20AC, "x\xE2\x82\xAC", true},
          row{0, "x", true}, row{0x80000000u, "x", false}, row{0xFFFFFFFFu, "x", false}}) {
        auto out = recording_text("x");
        append_char(out, r.value);
        EXPECT_EQ(out.text, r.expected) << r.value;
        // The whole encoding in one append; NUL's is its one byte, which ends the piece.
        std::string added = std::string(r.expected).substr(1);
        EXPECT_EQ(out.calls, r.encoded ? testing_support::call_log{"append " + added}
                                       : testing_support::call_log{})
            << r.value;
    }
}

TEST(format_test, append_repeated_appends_whole_characters) {
    struct row {
        std::uint32_t value;
        std::uint32_t n;
        std::string expected;
    };
    const row rows[] = {
        {'x', 0, ""},
        {'-', 3, "---"},
        {'0', 40, std::string(40, '0')},
        {0, 5, ""},
        {0x80000000u, 5, ""},
        {0xE9, 1, "\xC3\xA9"},
        {0x20AC, 40,
         [] {
             std::string s;
             for (int i = 0; i < 40; ++i)
                 s += "\xE2\x82\xAC";
             return s;
         }()},
    };
    for (const row& r : rows) {
        auto out = recording_text("");
        append_repeated(out, r.value, r.n);
        EXPECT_EQ(out.text, r.expected) << r.value << " x" << r.n;
        std::size_t char_size = utf8_encode_char(r.value, nullptr);
        for (const std::string& call : out.calls) {
            ASSERT_TRUE(is_append(call)) << call;
            EXPECT_EQ((call.size() - append_call.size()) % char_size, 0u)
                << "split character " << r.value;
        }
    }
}

} // namespace
} // namespace relayvo
