// The component's one route to the runtime allocator. Every heap byte the
// component owns comes through here, so tests can count and fail the calls.
#pragma once

#include <cstddef>

namespace relayvo {

struct heap_functions {
    void* (*allocate)(std::size_t size);
    void* (*reallocate)(void* data, std::size_t size);
    void (*release)(void* data);
};

// Gets `size` bytes, or null.
void* heap_allocate(std::size_t size);
// Resizes `data` to `size` bytes; null on failure, leaving `data` held.
void* heap_reallocate(void* data, std::size_t size);
// Frees `data`; null is allowed.
void heap_release(void* data);

// Routes the three calls to `functions`; returns the previous ones.
heap_functions replace_heap(const heap_functions& functions);

} // namespace relayvo
