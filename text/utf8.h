// UTF-8 encoding of single characters, in the unrestricted form of up to six bytes.
#pragma once

#include <cstdint>

namespace relayvo {

// Most bytes one character can take.
inline constexpr int utf8_max_bytes = 6;

// Writes the encoding of `value` to `dest` (room for 6 bytes, no NUL added)
// and returns its byte count: 1 to 6, or 0 for values of 2^31 and above.
// With a null `dest` only the count is returned.
int utf8_encode_char(std::uint32_t value, char* dest);

} // namespace relayvo
