// Unsigned 32-bit numbers as the blob stores them: 4 bytes, little-endian.
#pragma once

#include "quorvel/client.h"

#include <cstdint>

namespace relayvo {

// One write of the 4 bytes of `value` to `sink`.
void write_u32(quorvel::config_sink& sink, std::uint32_t value);
// The number in the 4 bytes at `bytes`.
std::uint32_t load_u32(const std::uint8_t* bytes);

} // namespace relayvo
