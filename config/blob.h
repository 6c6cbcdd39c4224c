// The configuration blob: the bytes in which the host stores the variables.
//
// A run of records with no header or terminator. Each record is the key
// length (u32 little-endian), the key without NUL, the value length (u32
// little-endian) and the value bytes. The reader matches records to
// variables by key, so order does not matter and unknown keys are skipped.
#pragma once

#include "quorvel/client.h"

#include <cstdint>

namespace relayvo {

// Writes one record per variable, in list order, to `sink`. Needs no memory,
// so no shortage can leave a record out.
void write_blob(quorvel::config_sink& sink);
// Sets the variables named in the `size` bytes at `data`; stops quietly at
// the first record that does not fit. Keys are matched in place; a text that
// cannot be copied leaves its variable as it was.
void read_blob(const std::uint8_t* data, std::uint32_t size);

} // namespace relayvo
