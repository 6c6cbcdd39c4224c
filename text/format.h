// The printf-like formatter that builds every label and command name.
//
// Grammar: '%%' writes '%'. Otherwise '%', an optional '+' (forced sign for
// numbers), an optional width in decimal whose leading '0' selects zero fill,
// then a letter: s/S text, d/D/i/I signed, u/U unsigned, x/X hexadecimal,
// c/C one character (width ignored). Each recognised letter takes the next
// argument. An unrecognised letter writes nothing for the '%' and rescans
// from the letter; a format ending inside a conversion writes nothing for it.
//
// Arguments are 32-bit integers and texts; any other type fails to compile,
// so no argument is ever read at a width it was not passed with. A missing
// argument, or one of the other kind, reads as 0 or the empty text.
#pragma once

#include "quorvel/containers.h"
#include "text/plain_text.h"
#include "text/text_buffer.h"

#include <concepts>
#include <cstdint>

namespace relayvo {

// What the formatter takes: a signed or unsigned 32-bit integer, or a text.
template <class T>
concept format_argument = std::same_as<T, std::int32_t> || std::same_as<T, std::uint32_t> ||
    std::convertible_to<T, const char*>;

// One argument as the formatter reads it. A number reads as the empty text
// and a text as 0, so that a conversion of the other kind stays harmless.
struct format_arg {
    format_arg() = default;
    format_arg(std::int32_t value) : number(static_cast<std::uint32_t>(value)) {}
    format_arg(std::uint32_t value) : number(value) {}
    format_arg(const char* value) : text(or_empty(value)) {}

    std::uint32_t number = 0;
    const char* text = empty_text;
};

// Replaces the text of `out` by `fmt` formatted with the `count` arguments
// at `args`, through out's own operations: truncate to 0, then appends only.
void format_into(quorvel::text_buffer& out, const char* fmt, const format_arg* args,
                 std::uint32_t count);

// Replaces the text of `out` by the text formatted from `fmt` and `args`.
template <format_argument... Args>
void format_to(quorvel::text_buffer& out, const char* fmt, Args... args) {
    const format_arg list[] = {format_arg(args)..., format_arg()}; // never an empty array
    format_into(out, fmt, list, sizeof...(Args));
}

// A new text formatted from `fmt` and `args`, in a keep block.
template <format_argument... Args>
text_buffer format_text(const char* fmt, Args... args) {
    text_buffer result(text_buffer::size_hint{0});
    format_to(result, fmt, args...);
    return result;
}

// Appends the UTF-8 encoding of `value`; 0 and values of 2^31 and above add nothing.
void append_char(quorvel::text_buffer& out, std::uint32_t value);
// Appends `value` `n` times.
void append_repeated(quorvel::text_buffer& out, std::uint32_t value, std::uint32_t n);

} // namespace relayvo
