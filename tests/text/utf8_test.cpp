#include "text/utf8.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace relayvo {
namespace {

struct encoding {
    std::uint32_t value;
    std::string bytes; // empty: nothing is written
};

const encoding encodings[] = {
    {0x00, std::string(1, '\0')},
    {0x41, "\x41"},
    {0x7F, "\x7F"},
    {0x80, "\xC2\x80"},
    {0xE9, "\xC3\xA9"},
    {0x7FF, "\xDF\xBF"},
    {0x800, "\xE0\xA0\x80"},
    {0x20AC, "\xE2\x82\xAC"},
    {0xD800, "\xED\xA0\x80"}, // surrogates are encoded like any value
    {0xFFFF, "\xEF\xBF\xBF"},
    {0x10000, "\xF0\x90\x80\x80"},
    {0x1F600, "\xF0\x9F\x98\x80"},
    {0x10FFFF, "\xF4\x8F\xBF\xBF"},
    {0x1FFFFF, "\xF7\xBF\xBF\xBF"},
    {0x200000, "\xF8\x88\x80\x80\x80"},
    {0x3FFFFFF, "\xFB\xBF\xBF\xBF\xBF"},
    {0x4000000, "\xFC\x84\x80\x80\x80\x80"},
    {0x7FFFFFFF, "\xFD\xBF\xBF\xBF\xBF\xBF"},
    {0x80000000u, ""},
    {0xFFFFFFFFu, ""},
};

TEST(utf8_test, encodes_every_range_and_boundary) {
    for (const encoding& e : encodings) {
        char dest[8];
        std::memset(dest, '#', sizeof dest);
        int n = utf8_encode_char(e.value, dest);
        ASSERT_EQ(n, static_cast<int>(e.bytes.size())) << std::hex << e.value;
        EXPECT_EQ(std::string(dest, n), e.bytes) << std::hex << e.value;
        for (std::size_t i = e.bytes.size(); i < sizeof dest; ++i)
            EXPECT_EQ(dest[i], '#') << std::hex << e.value << " wrote past its bytes";
    }
}

TEST(utf8_test, null_destination_returns_only_the_count) {
    for (const encoding& e : encodings)
        EXPECT_EQ(utf8_encode_char(e.value, nullptr), static_cast<int>(e.bytes.size()))
            << std::hex << e.value;
}

} // namespace
} // namespace relayvo
