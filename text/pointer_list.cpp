#include "text/pointer_list.h"

#include "text/masks.h"

#include <cstring>

namespace relayvo {

void* pointer_list::get(std::uint32_t index) const {
    return index < count() ? items()[index] : nullptr;
}

void pointer_list::set(std::uint32_t index, void* item) {
    if (index < count()) items()[index] = item;
}

void* pointer_list::remove_at(std::uint32_t index) {
    std::uint32_t n = count();
    if (index >= n) return nullptr;
    void** item = items();
    void* removed = item[index];
    for (std::uint32_t i = index + 1; i < n; ++i)
        item[i - 1] = item[i];
    block_.set_size((n - 1) * item_size);
    return removed;
}

void pointer_list::insert(void* item, std::uint32_t index) {
    std::uint32_t n = count();
    if (index > n || !block_.set_size((n + 1) * item_size)) return;
    void** slot = items();
    for (std::uint32_t i = n; i > index; --i)
        slot[i] = slot[i - 1];
    slot[index] = item;
}

bool pointer_list::resize(std::uint32_t n) {
    std::uint32_t old = count();
    // A size past 32 bits of bytes is refused as the allocator refuses one.
    if (n > 0xFFFFFFFFu / item_size || !block_.set_size(n * item_size)) {
        block_.set_size(0);
        return n == 0;
    }
    for (std::uint32_t i = old; i < n; ++i)
        items()[i] = nullptr;
    return true;
}

bool pointer_list::copy_of(const pointer_list& other) {
    std::uint32_t n = other.count();
    if (!block_.set_size(n * item_size)) return n == 0;
    if (n) std::memcpy(items(), other.items(), n * item_size);
    return true;
}

// Asks only `find`, always about the positions the items had at the start.
void pointer_list::filter(const quorvel::index_mask& mask) {
    std::uint32_t n = count();
    std::uint32_t w = mask.find(false, 0, n);
    if (w >= n) return;
    void** item = items();
    std::uint32_t r = mask.find(true, w + 1, n - w - 1);
    while (r < n) {
        item[w++] = item[r];
        r = mask.find(true, r + 1, n - r - 1);
    }
    block_.set_size(w * item_size);
}

void remove_all(quorvel::pointer_list& list) {
    mask_all all;
    mask_not none(all);
    list.filter(none);
}

} // namespace relayvo
