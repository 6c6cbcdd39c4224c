#include "config/little_endian.h"
#include "tests/support/config_bytes.h"

#include <gtest/gtest.h>

namespace {

using config_support::bytes;

TEST(little_endian_test, write_u32_is_one_write_of_four_bytes_low_first) {
    config_support::recording_sink sink;
    relayvo::write_u32(sink, 0x01020304);
    relayvo::write_u32(sink, 0xffffffff);
    EXPECT_EQ(sink.writes, (std::vector<std::uint32_t>{4, 4}));
    EXPECT_EQ(sink.bytes_written, (bytes{4, 3, 2, 1, 0xff, 0xff, 0xff, 0xff}));
}

TEST(little_endian_test, load_u32_reads_low_byte_first) {
    const std::uint8_t value[] = {0xff, 0x00, 0x01, 0x80};
    EXPECT_EQ(relayvo::load_u32(value), 0x800100ffu);
}

} // namespace
