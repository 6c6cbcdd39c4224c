#include "commands/entry_cell.h"

#include "text/heap.h"
#include "text/plain_text.h"

#include <new>

namespace relayvo {

entry_cell* entry_cell::make() {
    void* memory = heap_allocate(sizeof(entry_cell));
    return memory ? new (memory) entry_cell : nullptr;
}

void entry_cell::free(entry_cell* cell) {
    if (!cell) return;
    cell->~entry_cell();
    heap_release(cell);
}

entry_cell::~entry_cell() {
    heap_release(text_);
}

bool entry_cell::source(text_source& out) const {
    if (name_offset_ == no_source) return false;
    const char* text = or_empty(text_);
    bool numbered = number_ != 0;
    bool path = !numbered && name_offset_ != 0;
    out = {{text, path ? name_offset_ - 1 : 0},
           number_,
           numbered ? name_offset_ - 2 : 0,
           {text + name_offset_, name_length_},
           count_};
    return true;
}

bool entry_cell::formed_from(const text_source& now) const {
    text_source was;
    return source(was) && same_source(was, now);
}

bool entry_cell::hold(const char* text, std::uint32_t length, std::uint32_t name_offset,
                      const text_source& from) {
    if (length == 0) {
        heap_release(text_);
        text_ = nullptr;
    } else if (char* copy = reallocate_text(text_, text, length)) {
        text_ = copy;
    } else {
        lose();
        return false;
    }
    name_offset_ = name_offset;
    name_length_ = static_cast<std::uint32_t>(from.name.size());
    number_ = from.number;
    count_ = from.count;
    return true;
}

void entry_cell::lose() {
    heap_release(text_);
    text_ = nullptr;
    name_offset_ = no_source;
}

void entry_cell::renumber(std::uint32_t number) {
    number_ = number;
    for (char* digit = text_ + name_offset_ - 2; digit != text_; number /= 10)
        *--digit = static_cast<char>('0' + number % 10);
}

} // namespace relayvo
