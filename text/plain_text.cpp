#include "text/plain_text.h"

#include "quorvel/containers.h"
#include "text/heap.h"

#include <cstring>

namespace relayvo {

const char empty_text[1] = "";

void copy_bounded(char* dst, const char* src, std::uint32_t max_len) {
    std::uint32_t n = bounded_length(src, max_len);
    if (n) std::memcpy(dst, src, n);
    dst[n] = '\0';
}

char* reallocate_text(char* held, const char* src, std::uint32_t max_len) {
    std::uint32_t n = bounded_length(src, max_len);
    std::size_t size = std::size_t{n} + 1;
    void* memory = held ? heap_reallocate(held, size) : heap_allocate(size);
    char* copy = static_cast<char*>(memory);
    if (copy) copy_bounded(copy, src, n);
    return copy;
}

} // namespace relayvo
