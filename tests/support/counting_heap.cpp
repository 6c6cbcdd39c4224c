#include "tests/support/counting_heap.h"

#include <cstdlib>

namespace testing_support {

namespace {

counting_heap* active = nullptr;
std::size_t calls_until_failure = 0; // 0: no failure planned
bool failing = false;

bool should_fail() {
    if (failing) return true;
    if (calls_until_failure == 0) return false;
    return --calls_until_failure == 0;
}

void* counted_allocate(std::size_t size) {
    ++active->allocations;
    void* block = should_fail() ? nullptr : std::malloc(size);
    if (block) ++active->held;
    return block;
}

void* counted_reallocate(void* data, std::size_t size) {
    ++active->reallocations;
    return should_fail() ? nullptr : std::realloc(data, size);
}

void counted_release(void* data) {
    ++active->releases;
    --active->held;
    std::free(data);
}

} // namespace

counting_heap::counting_heap() {
    active = this;
    calls_until_failure = 0;
    failing = false;
    previous_ = relayvo::replace_heap({counted_allocate, counted_reallocate, counted_release});
}

counting_heap::~counting_heap() {
    relayvo::replace_heap(previous_);
    active = nullptr;
}

void counting_heap::fail_call(std::size_t n) {
    calls_until_failure = n;
}

void counting_heap::fail_all(bool on) {
    failing = on;
}

void counting_heap::reset() {
    allocations = reallocations = releases = 0;
}

} // namespace testing_support
