#include "tests/support/host_containers.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace testing_support {

namespace {

// `src` up to its NUL or `max_len` bytes; nothing for null.
std::string_view bounded(const char* src, std::uint32_t max_len) {
    return src ? std::string_view(src, ::strnlen(src, max_len)) : std::string_view();
}

} // namespace

const char* string_buffer::get_text() {
    note("get_text");
    return text.c_str();
}

void string_buffer::append(const char* src, std::uint32_t max_len) {
    std::string_view piece = bounded(src, max_len);
    note("append", piece);
    text.append(piece);
}

void string_buffer::assign(const char* src, std::uint32_t max_len) {
    std::string_view piece = bounded(src, max_len);
    note("assign", piece);
    text.clear();
    text.append(piece);
}

void string_buffer::truncate(std::uint32_t n) {
    note("truncate", n);
    if (n < text.size()) text.resize(n);
}

std::uint32_t string_buffer::length() {
    return note_returning(static_cast<std::uint32_t>(text.size()), "length");
}

void* handle_vector::remove_at(std::uint32_t index) {
    void* item = items.at(index);
    items.erase(items.begin() + index);
    return item;
}

void handle_vector::filter(const quorvel::index_mask& mask) {
    std::vector<void*> kept;
    for (std::uint32_t i = 0; i < items.size(); ++i)
        if (mask.get(i)) kept.push_back(items[i]);
    items = std::move(kept);
}

void handle_vector::insert(void* item, std::uint32_t index) {
    items.insert(items.begin() + std::min<std::size_t>(index, items.size()), item);
}

} // namespace testing_support
