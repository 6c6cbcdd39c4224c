// The smallest text holder: one owned heap text, or none for the empty text.
#pragma once

#include "quorvel/containers.h"
#include "text/plain_text.h"

namespace relayvo {

class owned_text {
public:
    owned_text() = default;
    // Holds a copy of `src` taken whole, or none when memory ran out.
    explicit owned_text(const char* src) { assign(src, quorvel::unbounded); }
    owned_text(const owned_text&) = delete;
    owned_text& operator=(const owned_text&) = delete;
    ~owned_text();

    // Replaces the text by the first `bounded_length(src, max_len)` bytes of
    // `src`; an empty result leaves no text. Returns false when memory ran
    // out, the held text then unchanged, as a failed realloc leaves its block.
    bool assign(const char* src, std::uint32_t max_len);

    // The text, or the empty text when none is held.
    const char* get() const { return or_empty(text_); }

private:
    char* text_ = nullptr;
};

} // namespace relayvo
