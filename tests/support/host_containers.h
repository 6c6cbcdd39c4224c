// The host's side of the container shapes: a text buffer over std::string
// and a list of track handles over std::vector.
#pragma once

#include "quorvel/containers.h"
#include "tests/support/call_recorder.h"

#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

// A track handle: distinct for each n, never dereferenced.
inline void* track(std::uintptr_t n) {
    return reinterpret_cast<void*>(n);
}

// A text the host hands over to be filled. When recording, each operation is
// written down as "get_text", "length", "truncate 3", or "append"/"assign"
// with the text taken ("append abc").
class string_buffer final : public quorvel::text_buffer, public call_recorder {
public:
    explicit string_buffer(std::string text = {}, recording mode = recording::off)
        : call_recorder(mode), text(std::move(text)) {}
    const char* get_text() override;
    void append(const char* src, std::uint32_t max_len) override;
    void assign(const char* src, std::uint32_t max_len) override;
    void truncate(std::uint32_t n) override;
    std::uint32_t length() override;

    std::string text;
};

// The host's list of track handles, such as the selection.
class handle_vector final : public quorvel::pointer_list {
public:
    handle_vector() = default;
    explicit handle_vector(std::vector<void*> items) : items(std::move(items)) {}
    std::uint32_t count() override { return static_cast<std::uint32_t>(items.size()); }
    void* get(std::uint32_t index) override { return items.at(index); }
    void* remove_at(std::uint32_t index) override;
    void filter(const quorvel::index_mask& mask) override;
    void insert(void* item, std::uint32_t index) override;

    std::vector<void*> items;
};

} // namespace testing_support
