// The formatter on arbitrary formats, each conversion given an argument of the
// kind its letter takes, checked against a plain reading of the grammar: '%%'
// writes '%'; '%', an optional '+', an optional width whose leading '0' selects
// zero fill, then a letter. An unknown letter drops the '%' and starts the next
// element; a format ending inside a conversion writes nothing for it. Bytes of
// 0x80 and above, in the format or as a character argument, write nothing. The
// format sits in a heap block of exactly its size, so a read past its end is
// caught.
#include "text/format.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace {

// Formats with more conversions, or wider fields, are not tried: the
// arguments are passed through a fixed list, and a width is written out whole.
constexpr std::size_t max_conversions = 8;
constexpr std::uint64_t max_width = 1000;

using argument = std::variant<std::string, std::uint32_t>;

struct expectation {
    std::string text;
    std::vector<argument> arguments;
    bool usable = true;
};

std::string digits(std::uint32_t value, std::uint32_t base) {
    std::string text;
    do {
        text.insert(text.begin(), "0123456789abcdef"[value % base]);
        value /= base;
    } while (value);
    return text;
}

// Reads `format` as the grammar says, drawing each conversion's argument from
// `input` as it goes, and writes what the formatter must write.
expectation expect(const std::string& format, FuzzedDataProvider& input) {
    expectation e;
    auto at = [&](std::size_t i) { return i < format.size() ? format[i] : '\0'; };
    auto ascii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
    for (std::size_t i = 0; i < format.size();) {
        if (format[i] != '%') {
            if (ascii(format[i])) e.text += format[i];
            ++i;
            continue;
        }
        if (at(i + 1) == '%') {
            e.text += '%';
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
        case 'S': {
            std::string text = input.ConsumeRandomLengthString(64);
            text.resize(std::strlen(text.c_str()));
            e.arguments.emplace_back(text);
            converted = text;
            forced_sign = false;
            break;
        }
        case 'd':
        case 'D':
        case 'i':
        case 'I':
        case 'u':
        case 'U':
        case 'x':
        case 'X': {
            auto value = input.ConsumeIntegral<std::uint32_t>();
            e.arguments.emplace_back(value);
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
            auto value = input.ConsumeIntegral<std::uint32_t>();
            e.arguments.emplace_back(value);
            char byte = static_cast<char>(value & 0xFFu);
            if (byte != '\0' && ascii(byte)) e.text += byte;
            i = j + 1;
            continue;
        }
        default:
            i = j;
            continue;
        }
        if (width > max_width) e.usable = false;
        if (forced_sign && positive) e.text += '+';
        if (width > converted.size()) e.text.append(width - converted.size(), fill);
        e.text += converted;
        i = j + 1;
    }
    if (e.arguments.size() > max_conversions) e.usable = false;
    return e;
}

// Calls the formatter with the arguments as its variable list: a text as its
// pointer, a number as a 32-bit value.
template <class... Taken>
std::string format_with(const char* format, const std::vector<argument>& arguments,
                        Taken... taken) {
    constexpr std::size_t n = sizeof...(Taken);
    if constexpr (n < max_conversions) {
        if (n < arguments.size()) {
            if (auto* text = std::get_if<std::string>(&arguments[n]))
                return format_with(format, arguments, taken..., text->c_str());
            return format_with(format, arguments, taken..., std::get<std::uint32_t>(arguments[n]));
        }
    }
    relayvo::text_buffer out = relayvo::format_text(format, taken...);
    if (!out.intact()) return "(out of memory)";
    return std::string(out.text(), out.length());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    std::string format = input.ConsumeRandomLengthString(256);
    format.resize(std::strlen(format.c_str()));
    expectation expected = expect(format, input);
    if (!expected.usable) return -1;

    auto exact = std::make_unique<char[]>(format.size() + 1);
    std::memcpy(exact.get(), format.c_str(), format.size() + 1);
    std::string written = format_with(exact.get(), expected.arguments);
    if (written != expected.text) {
        std::fprintf(stderr, "format \"%s\" wrote \"%s\", expected \"%s\"\n", format.c_str(),
                     written.c_str(), expected.text.c_str());
        std::abort();
    }
    return 0;
}
