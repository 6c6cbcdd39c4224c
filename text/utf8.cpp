#include "text/utf8.h"

namespace relayvo {

namespace {
// Lead-byte mark for each byte count; index 0 is unused.
constexpr std::uint8_t lead_mark[] = {0x00, 0x00, 0xC0, 0xE0, 0xF0, 0xF8, 0xFC};
} // namespace

int utf8_encode_char(std::uint32_t value, char* dest) {
    int n = value < 0x80u         ? 1
            : value < 0x800u      ? 2
            : value < 0x10000u    ? 3
            : value < 0x200000u   ? 4
            : value < 0x4000000u  ? 5
            : value < 0x80000000u ? 6
                                  : 0;
    if (!dest || n == 0) return n;
    for (int i = n - 1; i > 0; --i) {
        dest[i] = static_cast<char>(0x80u | (value & 0x3Fu));
        value >>= 6;
    }
    dest[0] = static_cast<char>(lead_mark[n] | value);
    return n;
}

} // namespace relayvo
