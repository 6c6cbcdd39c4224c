#include "text/plain_text.h"

#include "text/heap.h"

#include <cstring>

namespace relayvo {

const char empty_text[1] = "";

std::uint32_t bounded_length(const char* src, std::uint32_t max_len) {
    if (!src) return 0;
    std::uint32_t n = 0;
    while (n < max_len && src[n])
        ++n;
    return n;
}

void copy_bounded(char* dst, const char* src, std::uint32_t max_len) {
    std::uint32_t n = bounded_length(src, max_len);
    if (n) std::memcpy(dst, src, n);
    dst[n] = '\0';
}

char* duplicate_text(const char* src, std::uint32_t max_len) {
    std::uint32_t n = bounded_length(src, max_len);
    char* copy = static_cast<char*>(heap_allocate(std::size_t{n} + 1));
    if (copy) copy_bounded(copy, src, n);
    return copy;
}

} // namespace relayvo
