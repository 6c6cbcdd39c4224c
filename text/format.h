// The printf-like formatter that builds every label and command name.
//
// Grammar: '%%' writes '%'. Otherwise '%', an optional '+' (forced sign for
// numbers), an optional width in decimal whose leading '0' selects zero fill,
// then a letter: s/S text, d/D/i/I signed, u/U unsigned, x/X hexadecimal,
// c/C one character (width ignored). Each recognised letter takes one 32-bit
// argument. An unrecognised letter writes nothing for the '%' and rescans
// from the letter; a format ending inside a conversion writes nothing for it.
#pragma once

#include "frame/containers.h"
#include "text/text_buffer.h"

#include <cstdarg>
#include <cstdint>

namespace relayvo {

// A new text formatted from `fmt` and the arguments, in a keep block.
text_buffer format_text(const char* fmt, ...);
// Replaces the text of `out` by the text formatted from `fmt` and the arguments.
void format_to(quorvel::text_buffer& out, const char* fmt, ...);
// Replaces the text of `out` by the formatted text, through out's own operations.
void format_into(quorvel::text_buffer& out, const char* fmt, va_list args);
// Appends the UTF-8 encoding of `value`; 0 and values of 2^31 and above add nothing.
void append_char(quorvel::text_buffer& out, std::uint32_t value);
// Appends `value` `n` times.
void append_repeated(quorvel::text_buffer& out, std::uint32_t value, std::uint32_t n);

} // namespace relayvo
