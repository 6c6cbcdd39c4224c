// Index masks the component builds for itself: every index selected, and the
// opposite of another mask.
#pragma once

#include "quorvel/containers.h"

namespace relayvo {

// Selects every index.
class mask_all final : public quorvel::index_mask {
public:
    bool get(std::uint32_t) const override { return true; }
    std::uint32_t find(bool value, std::uint32_t start, std::uint32_t count) const override {
        return value ? start : start + count;
    }
};

// Selects exactly the indices `inner` does not; does not own `inner`.
class mask_not final : public quorvel::index_mask {
public:
    explicit mask_not(const quorvel::index_mask& inner) : inner(&inner) {}
    // Copying would not invert; wrap another mask_not through its interface.
    mask_not(const mask_not&) = delete;
    mask_not& operator=(const mask_not&) = delete;
    bool get(std::uint32_t index) const override { return !inner->get(index); }
    std::uint32_t find(bool value, std::uint32_t start, std::uint32_t count) const override {
        return inner->find(!value, start, count);
    }

    const quorvel::index_mask* inner;
};

} // namespace relayvo
