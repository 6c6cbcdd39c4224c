// The component's growable memory block: heap bytes with a size in use and a
// capacity that follows the size under a growth mode fixed at construction.
#pragma once

#include <cstdint>

namespace relayvo {

enum growth_mode : std::uint32_t {
    growth_exact = 0,    // capacity equals the size; size 0 releases the memory
    growth_doubling = 1, // power-of-two capacity that doubles and halves; size 0 releases
    growth_keep = 2,     // power-of-two capacity that only doubles; memory kept at size 0
};

// Owns its memory. When the allocator fails the block frees what it held and
// is left empty (no memory, size and capacity 0), so nothing can write past it.
class byte_block {
public:
    explicit byte_block(growth_mode mode = growth_exact) : growth_mode_(mode) {}
    byte_block(byte_block&& other) noexcept;
    byte_block(const byte_block&) = delete;
    byte_block& operator=(const byte_block&) = delete;
    ~byte_block();

    // Makes the size exactly `n` bytes; keeps the first min(old size, n) bytes.
    // Returns the data, null when the block holds no memory.
    std::uint8_t* set_size(std::uint32_t n);
    // Grows the size to `n` when it is smaller; never shrinks. Returns the data.
    std::uint8_t* ensure_size(std::uint32_t n);
    // Covers `offset + len` bytes, then copies `len` bytes of `src` to `offset`
    // (zeros when `src` is null). Returns the written bytes, or null if the
    // block could not get the memory.
    std::uint8_t* write_at(const void* src, std::uint32_t len, std::uint32_t offset);

    std::uint8_t* data() { return data_; }
    const std::uint8_t* data() const { return data_; }
    std::uint32_t size() const { return size_; }
    std::uint32_t capacity() const { return capacity_; }
    growth_mode mode() const { return growth_mode_; }

private:
    std::uint32_t capacity_for(std::uint32_t n) const;
    void drop_memory();

    std::uint8_t* data_ = nullptr;
    std::uint32_t capacity_ = 0;
    std::uint32_t size_ = 0;
    growth_mode growth_mode_;
};

} // namespace relayvo
