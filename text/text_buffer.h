// The component's growable UTF-8 text, in the shape it shares with the host
// and utf8api: they fill it through its five operations.
#pragma once

#include "quorvel/containers.h"
#include "text/byte_block.h"

namespace relayvo {

// Keeps the text and its NUL in a block. If the block loses its memory the
// buffer reads as the empty text (see intact).
class text_buffer final : public quorvel::text_buffer {
public:
    // Empty, in an exact block; holds no memory.
    text_buffer() = default;
    // A copy of any text object, read through its get_text.
    explicit text_buffer(quorvel::text_buffer& other);
    text_buffer(const text_buffer& other);
    text_buffer(text_buffer&& other) noexcept;
    text_buffer& operator=(const text_buffer&) = delete;

    // Empty, in a keep block; a hint other than 0 and unbounded makes room
    // for that many bytes and the NUL at once.
    struct size_hint {
        std::uint32_t bytes;
    };
    explicit text_buffer(size_hint hint);

    const char* get_text() override;
    void append(const char* src, std::uint32_t max_len) override;
    void assign(const char* src, std::uint32_t max_len) override;
    void truncate(std::uint32_t n) override;
    std::uint32_t length() override { return length_; }

    // The text, or the empty text; the same as get_text.
    const char* text() const;
    // False once memory ran out since the text was last assigned or truncated
    // to 0. The text then reads as empty, and appends add nothing until the
    // next assign or truncate to 0, so it never reads as a fragment.
    bool intact() const { return !lost_; }
    // The block, for readers that check its size and capacity.
    const byte_block& block() const { return block_; }

private:
    // Room for a text of `kept` + `added` bytes and its NUL, `needed` bytes
    // in all, by the growth rule: resize the block to `needed` + 16 when it is
    // short, or to `needed` when it holds more than 32 bytes beyond it.
    // Returns false if the block lost its memory or the text would be longer
    // than 32 bits allow, which also empties the text and marks it lost.
    bool make_space(std::uint32_t kept, std::uint32_t added);
    // Gives the block `size` bytes for a text that needs `needed`; false, the
    // text lost, when it could not.
    bool resize(std::uint32_t size, std::uint32_t needed);
    // Empties the text and marks it lost; returns false.
    bool lose();
    // Sets the length and its NUL.
    void end_at(std::uint32_t n);

    byte_block block_;
    std::uint32_t length_ = 0;
    bool lost_ = false;
};

} // namespace relayvo
