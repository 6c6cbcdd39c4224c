#include "text/byte_block.h"

#include "text/heap.h"

#include <cstring>

namespace relayvo {

byte_block::byte_block(byte_block&& other) noexcept
    : data_(other.data_), capacity_(other.capacity_), size_(other.size_),
      growth_mode_(other.growth_mode_) {
    other.data_ = nullptr;
    other.capacity_ = 0;
    other.size_ = 0;
}

byte_block::~byte_block() {
    heap_release(data_);
}

void byte_block::drop_memory() {
    heap_release(data_);
    data_ = nullptr;
    capacity_ = 0;
    size_ = 0;
}

// The capacity a size of `n` (> 0) calls for, starting from the current one.
std::uint32_t byte_block::capacity_for(std::uint32_t n) const {
    if (growth_mode_ == growth_exact) return n;
    std::uint32_t c = capacity_ ? capacity_ : 1;
    while (c < n) {
        if (c >= 0x80000000u) return 0; // past the doubling range: no capacity fits
        c *= 2;
    }
    if (growth_mode_ == growth_doubling)
        while (c / 2 > n)
            c /= 2;
    return c;
}

std::uint8_t* byte_block::set_size(std::uint32_t n) {
    if (n == 0) {
        if (growth_mode_ == growth_keep)
            size_ = 0;
        else
            drop_memory();
        return data_;
    }
    std::uint32_t c = capacity_for(n);
    if (c == 0) { // no capacity can hold `n` bytes: fail like the allocator
        drop_memory();
        return nullptr;
    }
    if (c != capacity_) {
        void* moved = data_ ? heap_reallocate(data_, c) : heap_allocate(c);
        if (!moved) {
            drop_memory();
            return nullptr;
        }
        data_ = static_cast<std::uint8_t*>(moved);
        capacity_ = c;
    }
    size_ = n;
    return data_;
}

std::uint8_t* byte_block::ensure_size(std::uint32_t n) {
    if (size_ < n) set_size(n);
    return data_;
}

std::uint8_t* byte_block::write_at(const void* src, std::uint32_t len, std::uint32_t offset) {
    std::uint32_t end = offset + len;
    if (end < offset) return nullptr; // the range does not fit in 32 bits
    ensure_size(end);
    if (!data_ || size_ < end) return nullptr;
    if (len) {
        if (src)
            std::memcpy(data_ + offset, src, len);
        else
            std::memset(data_ + offset, 0, len);
    }
    return data_ + offset;
}

} // namespace relayvo
