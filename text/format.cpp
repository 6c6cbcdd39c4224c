#include "text/format.h"

#include "text/plain_text.h"
#include "text/utf8.h"

#include <cstring>

namespace relayvo {

namespace {

// Room for 32 binary digits, a sign and the NUL; enough for every base used.
using digit_area = char[34];

// Writes `value` in `base` (10 or 16, lower case) ending at the NUL of
// `area`; returns where the digits start.
char* unsigned_text(std::uint32_t value, std::uint32_t base, digit_area& area) {
    char* p = area + sizeof area - 1;
    *p = '\0';
    do {
        *--p = "0123456789abcdef"[value % base];
        value /= base;
    } while (value);
    return p;
}

char* signed_text(std::int32_t value, digit_area& area) {
    std::uint32_t magnitude =
        value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
    char* p = unsigned_text(magnitude, 10, area);
    if (value < 0) *--p = '-';
    return p;
}

void to_upper_hex(char* p) {
    for (; *p; ++p)
        if (*p >= 'a' && *p <= 'z') *p = static_cast<char>(*p - 'a' + 'A');
}

// A format byte as the 32-bit character value the formatter writes: bytes of
// 0x80 and above become negative and so encode to nothing.
std::uint32_t char_value(char byte) {
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<signed char>(byte)));
}

struct conversion {
    bool forced_sign = false;
    char fill = ' ';
    std::uint32_t width = 0;
};

// Appends `n` times the ASCII `fill`, a run at a time rather than a character at a time.
void append_fill(quorvel::text_buffer& out, char fill, std::uint32_t n) {
    char run[16];
    std::memset(run, fill, sizeof run);
    for (std::uint32_t k; n > 0; n -= k) {
        k = n < sizeof run ? n : sizeof run;
        out.append(run, k);
    }
}

// Writes the sign, the fill and the converted text of a text or number conversion.
void write_padded(quorvel::text_buffer& out, const conversion& c, const char* text,
                  bool positive_number) {
    if (c.forced_sign && positive_number) append_char(out, '+');
    std::uint32_t length = bounded_length(text, quorvel::unbounded);
    if (c.width > length) append_fill(out, c.fill, c.width - length);
    out.append(text, length);
}

} // namespace

void append_char(quorvel::text_buffer& out, std::uint32_t value) {
    char bytes[utf8_max_bytes];
    int n = utf8_encode_char(value, bytes);
    if (n > 0) out.append(bytes, static_cast<std::uint32_t>(n));
}

void append_repeated(quorvel::text_buffer& out, std::uint32_t value, std::uint32_t n) {
    while (n-- > 0)
        append_char(out, value);
}

void format_into(quorvel::text_buffer& out, const char* fmt, const format_arg* args,
                 std::uint32_t count) {
    const format_arg missing;
    std::uint32_t taken = 0;
    auto next = [&]() -> const format_arg& { return taken < count ? args[taken++] : missing; };

    out.truncate(0);
    const char* p = fmt;
    while (*p) {
        if (*p != '%') {
            // A run of ASCII text goes out in one piece: it is its own UTF-8.
            const char* end = p;
            while (*end && *end != '%' && static_cast<unsigned char>(*end) < 0x80)
                ++end;
            if (end == p) {
                append_char(out, char_value(*p++));
            } else {
                out.append(p, static_cast<std::uint32_t>(end - p));
                p = end;
            }
            continue;
        }
        if (p[1] == '%') {
            append_char(out, '%');
            p += 2;
            continue;
        }
        conversion c;
        const char* q = p + 1;
        if (*q == '+') {
            c.forced_sign = true;
            ++q;
        }
        if (*q == '0') c.fill = '0';
        for (; *q >= '0' && *q <= '9'; ++q)
            c.width = c.width * 10 + static_cast<std::uint32_t>(*q - '0');

        digit_area digits;
        switch (*q) {
        case '\0':
            return;
        case 's':
        case 'S':
            write_padded(out, c, next().text, false);
            break;
        case 'd':
        case 'D':
        case 'i':
        case 'I': {
            std::int32_t value = static_cast<std::int32_t>(next().number);
            write_padded(out, c, signed_text(value, digits), value > 0);
            break;
        }
        case 'u':
        case 'U':
        case 'x':
        case 'X': {
            std::uint32_t value = next().number;
            char* text = unsigned_text(value, *q == 'u' || *q == 'U' ? 10 : 16, digits);
            if (*q == 'X') to_upper_hex(text);
            write_padded(out, c, text, static_cast<std::int32_t>(value) > 0);
            break;
        }
        case 'c':
        case 'C':
            append_char(out, char_value(static_cast<char>(next().number & 0xFFu)));
            break;
        default:
            p = q; // no conversion: the letter starts the next element
            continue;
        }
        p = q + 1;
    }
}

} // namespace relayvo
