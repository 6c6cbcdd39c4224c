// The formatter on arbitrary formats and argument lists, checked against a
// plain reading of the grammar: '%%' writes '%'; '%', an optional '+', an
// optional width whose leading '0' selects zero fill, then a letter, which
// takes the next argument. An unknown letter drops the '%' and starts the next
// element; a format ending inside a conversion writes nothing for it. Bytes of
// 0x80 and above, in the format or as a character argument, write nothing. A
// missing argument, or one of the other kind, reads as 0 or the empty text.
// The format and the arguments sit in heap blocks of exactly their size, so a
// read past either end is caught.
#include "text/format.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace {

// Wider fields are not tried: a width is written out whole.
constexpr std::uint64_t max_width = 1000;
constexpr std::size_t max_arguments = 8;

using argument = std::variant<std::string, std::uint32_t>;

std::string digits(std::uint32_t value, std::uint32_t base) {
    std::string text;
    do {
        text.insert(text.begin(), "0123456789abcdef"[value % base]);
        value /= base;
    } while (value);
    return text;
}

// What the formatter must write for `format` and `arguments`; nothing when a
// width is too wide to try.
std::optional<std::string> expect(const std::string& format,
                                  const std::vector<argument>& arguments) {
    std::string out;
    std::size_t taken = 0;
    auto text_argument = [&]() -> std::string {
        const argument* a = taken < arguments.size() ? &arguments[taken++] : nullptr;
        const std::string* text = a ? std::get_if<std::string>(a) : nullptr;
        return text ? *text : "";
    };
    auto number_argument = [&]() -> std::uint32_t {
        const argument* a = taken < arguments.size() ? &arguments[taken++] : nullptr;
        const std::uint32_t* number = a ? std::get_if<std::uint32_t>(a) : nullptr;
        return number ? *number : 0;
    };
    auto at = [&](std::size_t i) { return i < format.size() ? format[i] : '\0'; };
    auto ascii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
    for (std::size_t i = 0; i < format.size();) {
        if (format[i] != '%') {
            if (ascii(format[i])) out += format[i];
            ++i;
            continue;
        }
        if (at(i + 1) == '%') {
            out += '%';
            i += 2;
            continue;
        }
        std::size_t j = i + 1;
        bool forced_sign = at(j) == '+';
        if (forced_sign) ++j;
        char fill = at(j) == '0' ? '0' : ' ';
        std::uint64_t width = 0;
        for (; at(j) >= '0' && at(j) <= '9'; ++j)
            width = std::min<std::uint64_t>(width * 10 + static_cast<std::uint64_t>(at(j) - '0'),
                                            max_width + 1);
        char letter = at(j);
        if (letter == '\0') break;
        std::string converted;
        bool positive = false;
        switch (letter) {
        case 's':
        case 'S':
            converted = text_argument();
            forced_sign = false;
            break;
        case 'd':
        case 'D':
        case 'i':
        case 'I':
        case 'u':
        case 'U':
        case 'x':
        case 'X': {
            std::uint32_t value = number_argument();
            auto as_signed = static_cast<std::int32_t>(value);
            positive = as_signed > 0;
            if (letter == 'u' || letter == 'U')
                converted = digits(value, 10);
            else if (letter == 'x' || letter == 'X')
                converted = digits(value, 16);
            else
                converted =
                    (as_signed < 0 ? "-" : "") + digits(as_signed < 0 ? 0u - value : value, 10);
            if (letter == 'X')
                for (char& c : converted)
                    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            break;
        }
        case 'c':
        case 'C': {
            char byte = static_cast<char>(number_argument() & 0xFFu);
            if (byte != '\0' && ascii(byte)) out += byte;
            i = j + 1;
            continue;
        }
        default:
            i = j;
            continue;
        }
        if (width > max_width) return std::nullopt;
        if (forced_sign && positive) out += '+';
        if (width > converted.size()) out.append(width - converted.size(), fill);
        out += converted;
        i = j + 1;
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    std::string format = input.ConsumeRandomLengthString(256);
    format.resize(std::strlen(format.c_str()));
    std::vector<argument> arguments(input.ConsumeIntegralInRange<std::size_t>(0, max_arguments));
    for (argument& a : arguments) {
        if (input.ConsumeBool()) {
            std::string text = input.ConsumeRandomLengthString(64);
            a = text.substr(0, std::strlen(text.c_str()));
        } else {
            a = input.ConsumeIntegral<std::uint32_t>();
        }
    }
    std::optional<std::string> expected = expect(format, arguments);
    if (!expected) return -1;

    auto exact_format = std::make_unique<char[]>(format.size() + 1);
    std::memcpy(exact_format.get(), format.c_str(), format.size() + 1);
    auto exact_arguments = std::make_unique<relayvo::format_arg[]>(arguments.size());
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (auto* text = std::get_if<std::string>(&arguments[i]))
            exact_arguments[i] = relayvo::format_arg(text->c_str());
        else
            exact_arguments[i] = relayvo::format_arg(std::get<std::uint32_t>(arguments[i]));
    }
    relayvo::text_buffer out(relayvo::text_buffer::size_hint{0});
    relayvo::format_into(out, exact_format.get(), exact_arguments.get(),
                         static_cast<std::uint32_t>(arguments.size()));
    std::string written(out.text(), out.length());
    if (out.intact() && written != *expected) {
        std::fprintf(stderr, "format \"%s\" wrote \"%s\", expected \"%s\"\n", format.c_str(),
                     written.c_str(), expected->c_str());
        std::abort();
    }
    return 0;
}
