// UTF-8 as the host checks it: names and titles arrive as bytes, and those
// that are not UTF-8 are told apart from those that are, and written as \xHH
// escapes where a text must be UTF-8.
#pragma once

#include <cstddef>
#include <string_view>

namespace host {

// The length of the well-formed UTF-8 sequence that starts at byte `at` of
// `text`, or 0 when the bytes there are not UTF-8: a stray continuation byte,
// a sequence cut short, an overlong form, a surrogate, or a code point past
// U+10FFFF.
std::size_t utf8_sequence_at(std::string_view text, std::size_t at);

// The position of the first byte of `text` that is not UTF-8, or npos when
// all of it is.
std::size_t first_non_utf8(std::string_view text);

// Whether `text` holds a byte escape \xHH (hex digits of either case) at
// `at`; if so, `byte` is its byte.
bool byte_escape_at(std::string_view text, std::size_t at, char& byte);

} // namespace host
