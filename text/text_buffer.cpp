#include "text/text_buffer.h"

#include "text/plain_text.h"

#include <cstring>

namespace relayvo {

namespace {

// Bytes a growing block gets beyond what it needs, and how many more than
// that a block may keep before it shrinks.
constexpr std::uint32_t growth_slack = 16;
constexpr std::uint32_t shrink_slack = 32;
// The longest text a buffer holds: its NUL and the slack must fit in 32 bits.
constexpr std::uint32_t longest_text = quorvel::unbounded - 1 - growth_slack;

} // namespace

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
    if (hint.bytes != 0 && hint.bytes != quorvel::unbounded) make_space(hint.bytes, 0);
}

// Inline: every change of the text passes here, and most need nothing more.
inline bool text_buffer::make_space(std::uint32_t kept, std::uint32_t added) {
    // A text past the longest is refused, as the allocator refuses a block too large.
    if (added > longest_text || kept > longest_text - added) return lose();
    std::uint32_t needed = kept + added + 1;
    std::uint32_t size = block_.size();
    if (size >= needed && size - needed <= shrink_slack) return true;
    return resize(size < needed ? needed + growth_slack : needed, needed);
}

bool text_buffer::resize(std::uint32_t size, std::uint32_t needed) {
    block_.set_size(size);
    return block_.size() >= needed || lose();
}

bool text_buffer::lose() {
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
    if (!make_space(length_, k)) return;
    if (k) std::memcpy(block_.data() + length_, src, k);
    end_at(length_ + k);
}

void text_buffer::assign(const char* src, std::uint32_t max_len) {
    lost_ = false;
    std::uint32_t k = bounded_length(src, max_len);
    if (!make_space(0, k)) return;
    if (k) std::memcpy(block_.data(), src, k);
    end_at(k);
}

void text_buffer::truncate(std::uint32_t n) {
    if (n == 0) lost_ = false;
    if (n >= length_) return;
    end_at(n);
    make_space(n, 0);
}

} // namespace relayvo
