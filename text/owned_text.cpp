#include "text/owned_text.h"

#include "text/heap.h"

namespace relayvo {

owned_text::~owned_text() {
    heap_release(text_);
}

bool owned_text::assign(const char* src, std::uint32_t max_len) {
    if (bounded_length(src, max_len) == 0) {
        heap_release(text_);
        text_ = nullptr;
        return true;
    }
    char* copy = reallocate_text(text_, src, max_len);
    if (!copy) return false;
    text_ = copy;
    return true;
}

} // namespace relayvo
