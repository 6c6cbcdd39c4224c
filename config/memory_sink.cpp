#include "config/memory_sink.h"

namespace relayvo {

void memory_sink::write(const void* bytes, std::uint32_t length) {
    if (length && !block.write_at(bytes, length, block.size())) complete_ = false;
}

void memory_sink::clear() {
    block.set_size(0);
    complete_ = true;
}

} // namespace relayvo
