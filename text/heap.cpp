#include "text/heap.h"

#include <cstdlib>

namespace relayvo {
namespace {

// Constant-initialised, so it is ready before any static object allocates.
constinit heap_functions current{std::malloc, std::realloc, std::free};

} // namespace

void* heap_allocate(std::size_t size) {
    return current.allocate(size);
}

void* heap_reallocate(void* data, std::size_t size) {
    return current.reallocate(data, size);
}

void heap_release(void* data) {
    if (data) current.release(data);
}

heap_functions replace_heap(const heap_functions& functions) {
    heap_functions previous = current;
    current = functions;
    return previous;
}

} // namespace relayvo
