// One text of the entry table together with what it was formed from, so
// that a rebuild can tell from its inputs alone whether the text changes.
#pragma once

#include "commands/cell_plan.h"
#include "text/plain_text.h"

#include <cstdint>

namespace relayvo {

// A label or a command path, each cell allocated on its own through the heap
// seam. It holds its text (none for the empty text) and what the text was
// formed from: the number and count, and where the name lies in the text.
// What stands before the name tells the rest: a label's number, full stop
// and space, or nothing; a path's group and slash. A cell whose text was
// lost holds neither text nor source. Kept small, since a rebuild reads
// every cell.
class entry_cell {
public:
    // A new cell holding no text, or null when memory ran out.
    static entry_cell* make();
    // Frees `cell` and its text; null is allowed.
    static void free(entry_cell* cell);

    entry_cell(const entry_cell&) = delete;
    entry_cell& operator=(const entry_cell&) = delete;

    // The text, or the empty text.
    const char* text() const { return or_empty(text_); }
    // What the text was formed from, its group and name read from the text
    // itself; false when the cell holds no whole text.
    bool source(text_source& out) const;
    // Whether the cell holds a whole text formed from `now`: it reads as it should.
    bool formed_from(const text_source& now) const;
    // Holds the `length` bytes of `text`, formed from `from`, whose name
    // starts at `name_offset`. Returns false when memory ran out: the cell
    // then holds nothing, as after lose.
    bool hold(const char* text, std::uint32_t length, std::uint32_t name_offset,
              const text_source& from);
    // Frees the text and forgets its source: what it held may name another
    // playlist, and it must never read as unchanged.
    void lose();
    // Writes `number` over the digits of a whole label that shows a number,
    // in its width; the source's number becomes `number`.
    void renumber(std::uint32_t number);

private:
    entry_cell() = default;
    ~entry_cell();

    // The name's offset of a cell that holds no whole text.
    static constexpr std::uint32_t no_source = 0xFFFFFFFFu;

    char* text_ = nullptr;
    std::uint32_t name_offset_ = no_source;
    std::uint32_t name_length_ = 0;
    std::uint32_t number_ = 0;
    std::int32_t count_ = -1;
};

} // namespace relayvo
