#include "text/text_buffer.h"

#include "text/plain_text.h"

#include <cstring>

namespace relayvo {

text_buffer::text_buffer(quorvel::text_buffer& other) {
    assign(other.get_text(), quorvel::unbounded);
}

text_buffer::text_buffer(const text_buffer& other) {
    assign(other.text(), quorvel::unbounded);
}

text_buffer::text_buffer(text_buffer&& other) noexcept
    : block_(static_cast<byte_block&&>(other.block_)), length_(other.length_), lost_(other.lost_) {
    other.length_ = 0;
}

text_buffer::text_buffer(size_hint hint) : block_(growth_keep) {
    if (hint.bytes != 0 && hint.bytes != quorvel::unbounded) make_space(hint.bytes + 1);
}

bool text_buffer::make_space(std::uint32_t needed) {
    std::uint32_t size = block_.size();
    if (size < needed)
        block_.set_size(needed + 16);
    else if (size > needed + 32)
        block_.set_size(needed);
    if (block_.size() >= needed) return true;
    length_ = 0;
    lost_ = true;
    return false;
}

void text_buffer::end_at(std::uint32_t n) {
    length_ = n;
    block_.data()[n] = '\0';
}

const char* text_buffer::text() const {
    return length_ > 0 ? reinterpret_cast<const char*>(block_.data()) : empty_text;
}

const char* text_buffer::get_text() {
    return text();
}

void text_buffer::append(const char* src, std::uint32_t max_len) {
    // A text that lost a piece stays empty rather than reading as a fragment.
    if (lost_) return;
    std::uint32_t k = bounded_length(src, max_len);
    if (!make_space(length_ + k + 1)) return;
    if (k) std::memcpy(block_.data() + length_, src, k);
    end_at(length_ + k);
}

void text_buffer::assign(const char* src, std::uint32_t max_len) {
    lost_ = false;
    std::uint32_t k = bounded_length(src, max_len);
    if (!make_space(k + 1)) return;
    if (k) std::memcpy(block_.data(), src, k);
    end_at(k);
}

void text_buffer::truncate(std::uint32_t n) {
    if (n == 0) lost_ = false;
    if (n >= length_) return;
    end_at(n);
    make_space(n + 1);
}

} // namespace relayvo
