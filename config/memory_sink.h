// A sink that collects bytes in memory, so a value's length is known before
// its record is written.
#pragma once

#include "frame/client.h"
#include "text/byte_block.h"

namespace relayvo {

class memory_sink final : public quorvel::config_sink {
public:
    // Appends the bytes to the block.
    void write(const void* bytes, std::uint32_t length) override;
    // Empties the block, keeping its memory, and forgets a failed write.
    void clear();
    // False once a write since the last clear could not get memory.
    bool complete() const { return complete_; }

    byte_block block{growth_keep};

private:
    bool complete_ = true;
};

} // namespace relayvo
