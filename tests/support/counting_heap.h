// Takes the component's heap seam for the life of the object: counts every
// allocator call and can make a chosen one fail.
#pragma once

#include "text/heap.h"

#include <cstddef>

namespace testing_support {

class counting_heap {
public:
    counting_heap();
    ~counting_heap();
    counting_heap(const counting_heap&) = delete;
    counting_heap& operator=(const counting_heap&) = delete;

    // Makes the `n`-th allocate or reallocate call from now (1 is the next) fail.
    void fail_call(std::size_t n);
    // Makes every allocate and reallocate fail from now on (or not).
    void fail_all(bool on);
    // Zeroes the call counts; held goes on counting.
    void reset();
    // Allocate, reallocate and release calls made so far (releases of null excluded).
    std::size_t total() const { return allocations + reallocations + releases; }

    std::size_t allocations = 0;
    std::size_t reallocations = 0;
    std::size_t releases = 0;
    // Blocks got minus blocks released while this heap was in place.
    std::ptrdiff_t held = 0;

private:
    relayvo::heap_functions previous_;
};

} // namespace testing_support
