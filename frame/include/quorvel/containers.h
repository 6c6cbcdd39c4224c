// The text and list shapes that cross the boundary in both directions: the
// host fills the component's text buffers and hands it lists of track handles.
#pragma once

#include <cstdint>

namespace quorvel {

// Bound meaning "no bound" wherever a text length limit is taken.
inline constexpr std::uint32_t unbounded = 0xFFFFFFFFu;

// Growable NUL-terminated UTF-8 text; lengths count bytes.
class text_buffer {
public:
    // Returns the text, never null; valid until the next change of the buffer.
    virtual const char* get_text() = 0;
    // Appends `src` up to its NUL or `max_len` bytes; a null `src` adds nothing.
    virtual void append(const char* src, std::uint32_t max_len) = 0;
    // Replaces the text by `src` up to its NUL or `max_len` bytes; null empties it.
    virtual void assign(const char* src, std::uint32_t max_len) = 0;
    // Shortens the text to `n` bytes; a longer `n` changes nothing.
    virtual void truncate(std::uint32_t n) = 0;
    // Returns the text's length in bytes, without the NUL.
    virtual std::uint32_t length() = 0;
};

// Answers, for each index of a list, whether it is selected.
class index_mask {
public:
    // Returns the flag of `index`.
    virtual bool get(std::uint32_t index) const = 0;
    // Returns the first index in [start, start + count) whose flag is `value`,
    // or start + count when there is none.
    virtual std::uint32_t find(bool value, std::uint32_t start, std::uint32_t count) const = 0;
};

// Ordered list of pointers; the items are not owned by the list.
class pointer_list {
public:
    // Returns the number of items.
    virtual std::uint32_t count() = 0;
    // Returns the item at `index` (< count).
    virtual void* get(std::uint32_t index) = 0;
    // Removes the item at `index` (< count), closing the gap; returns it.
    virtual void* remove_at(std::uint32_t index) = 0;
    // Keeps the items whose flag in `mask` is true, in order; drops the rest.
    virtual void filter(const index_mask& mask) = 0;
    // Inserts `item` at `index` (<= count); index count appends.
    virtual void insert(void* item, std::uint32_t index) = 0;
};

// The host's list of track handles: a pointer_list whose items are handles.
using handle_list = pointer_list;

} // namespace quorvel
