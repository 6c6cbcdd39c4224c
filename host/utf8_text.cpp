#include "utf8_text.h"

namespace host {

namespace {

// The value of one hex digit, or -1.
int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

std::size_t utf8_sequence_at(std::string_view text, std::size_t at) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                         : lead >= 0xE0 && lead <= 0xEF ? 3
                         : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                        : 0;
    if (length == 0 || text.size() - at < length) return 0;
    // The second byte's range rules out overlong forms, surrogates and code
    // points past U+10FFFF.
    unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    if (byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if ((byte(i) & 0xC0) != 0x80) return 0;
    return length;
}

std::size_t first_non_utf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = utf8_sequence_at(text, at);
        if (length == 0) return at;
        at += length;
    }
    return std::string_view::npos;
}

bool byte_escape_at(std::string_view text, std::size_t at, char& byte) {
    if (text.size() < 4 || at > text.size() - 4 || text[at] != '\\' || text[at + 1] != 'x')
        return false;
    int high = hex_digit(text[at + 2]), low = hex_digit(text[at + 3]);
    if (high < 0 || low < 0) return false;
    byte = static_cast<char>(high * 16 + low);
    return true;
}

} // namespace host
