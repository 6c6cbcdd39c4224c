// The component's own list of pointers, in the shape it shares with the host.
#pragma once

#include "quorvel/containers.h"
#include "text/byte_block.h"

#include <utility>

namespace relayvo {

// Items live as consecutive pointers in a doubling block. The list does not
// own what its items point to; destroying it frees only its block. The list
// is handed to other components' code, so every index is checked: one out of
// range reads as null and changes nothing.
class pointer_list final : public quorvel::pointer_list {
public:
    pointer_list() : block_(growth_doubling) {}

    std::uint32_t count() override { return std::as_const(*this).count(); }
    std::uint32_t count() const { return block_.size() / item_size; }
    // The item at `index`, or null when `index` is not below count.
    void* get(std::uint32_t index) override { return std::as_const(*this).get(index); }
    void* get(std::uint32_t index) const;
    // Removes and returns the item at `index`; null, removing nothing, when
    // `index` is not below count.
    void* remove_at(std::uint32_t index) override;
    void filter(const quorvel::index_mask& mask) override;
    // Puts `item` at `index` (at most count; count appends); nothing when
    // `index` is past count. If the block cannot grow, the list loses its
    // items and stays empty.
    void insert(void* item, std::uint32_t index) override;

    // Makes the count `n`, keeping the first items; items past the old count
    // are null. Returns false (the list then empty) if memory ran out or
    // `n` items would pass 32 bits of bytes.
    bool resize(std::uint32_t n);
    // Makes this list hold the items of `other`, in order, in one copy.
    // Returns false (the list then empty) if memory ran out.
    bool copy_of(const pointer_list& other);
    // Replaces the item at `index`; nothing when `index` is not below count.
    void set(std::uint32_t index, void* item);
    // Bytes allocated for the items.
    std::uint32_t capacity() const { return block_.capacity(); }

private:
    static constexpr std::uint32_t item_size = sizeof(void*);

    void** items() { return reinterpret_cast<void**>(block_.data()); }
    void* const* items() const { return reinterpret_cast<void* const*>(block_.data()); }

    byte_block block_;
};

// Empties `list` by filtering it through the opposite of a mask of all.
void remove_all(quorvel::pointer_list& list);

} // namespace relayvo
