// Functions on plain NUL-terminated texts. A bound of quorvel::unbounded
// means none; every copy also stops at the source's first NUL.
#pragma once

#include "quorvel/containers.h"

#include <cstdint>
#include <cstring>

namespace relayvo {

// The shared empty text, alive as long as the library; stands in for null texts.
extern const char empty_text[1];

// Bytes of `src` before its first NUL, at most `max_len`; 0 for null.
// Inline, since every copy of a text starts with it. The runtime's searches
// read words at a time; memchr stops at the first match.
inline std::uint32_t bounded_length(const char* src, std::uint32_t max_len) {
    if (!src) return 0;
    if (max_len == quorvel::unbounded) {
        std::size_t n = std::strlen(src);
        return n < max_len ? static_cast<std::uint32_t>(n) : max_len;
    }
    const void* end = std::memchr(src, '\0', max_len);
    return end ? static_cast<std::uint32_t>(static_cast<const char*>(end) - src) : max_len;
}
// Writes the first min(length of `src`, `max_len`) bytes of `src` and a NUL to `dst`.
void copy_bounded(char* dst, const char* src, std::uint32_t max_len);
// The heap text `held` (null for none) resized to hold a copy of the first
// `bounded_length(src, max_len)` bytes of `src` and a NUL: the copy, which
// may have moved, or null when memory ran out, `held` then untouched. An
// empty source gives an allocated empty text. `src` must not lie in `held`.
char* reallocate_text(char* held, const char* src, std::uint32_t max_len);

// `text`, or the empty text when it is null.
inline const char* or_empty(const char* text) {
    return text ? text : empty_text;
}

} // namespace relayvo
