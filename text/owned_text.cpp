#include "text/owned_text.h"

#include "text/heap.h"

#include <cstring>

namespace relayvo {

owned_text::~owned_text() {
    heap_release(text);
}

void owned_text::assign(const char* src, std::uint32_t max_len) {
    std::uint32_t n = bounded_length(src, max_len);
    if (n == 0) {
        heap_release(text);
        text = nullptr;
        return;
    }
    std::size_t size = std::size_t{n} + 1;
    void* resized = text ? heap_reallocate(text, size) : heap_allocate(size);
    if (!resized) {
        heap_release(text);
        text = nullptr;
        return;
    }
    text = static_cast<char*>(resized);
    std::memcpy(text, src, n);
    text[n] = '\0';
}

} // namespace relayvo
