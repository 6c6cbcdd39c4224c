// Which cells of the entry table a rebuild keeps, and what it does to their
// texts, decided from what each text was formed from rather than from the
// texts themselves: a rebuild then formats only the texts that change.
#pragma once

#include <cstdint>
#include <string_view>

namespace relayvo {

// What a label or a command path is formed from. A label is the name, with
// the number zero-padded to the width and a full stop before it, and the
// count in parentheses after it, each where it is shown; a command path is
// the group, a slash and the name. Equal sources form equal texts. Every
// field is given where a source is made.
struct text_source {
    std::string_view group; // a path's group; empty for a label
    std::uint32_t number;   // a label's 1-based number; 0 where none is shown
    std::uint32_t width;    // the digits the number fills; 0 where none is shown
    std::string_view name;  // the playlist's name
    std::int32_t count;     // a label's item count; -1 where none is shown
};

// Whether texts formed from `a` and from `b` are the same: their sources are.
inline bool same_source(const text_source& a, const text_source& b) {
    return a.number == b.number && a.width == b.width && a.count == b.count && a.name == b.name &&
           a.group == b.group;
}

// What becomes of a cell's text.
enum class cell_action {
    keep,     // it reads as it should
    renumber, // only the number moved, within its width: its digits are rewritten in place
    form,     // it is formed anew
};

// The action that turns a text formed from `was` into one formed from `now`.
// A null `was` is a cell holding no whole text, a null `now` a text that
// cannot be formed (its name could not be had): both are formed.
cell_action action_for(const text_source* was, const text_source* now);

// The old cells of a list, as a rebuild finds them.
class held_sources {
public:
    // What old cell `index` was formed from; false when it holds no whole text.
    virtual bool source(std::uint32_t index, text_source& out) const = 0;

protected:
    ~held_sources() = default;
};

// Gives the positions of a rebuilt list, in order, an old cell or a new one.
// A cell goes with its playlist, known by its name: when playlists were
// created or removed, the cells after them move along with their playlists,
// so their texts stay, or only their numbers change. Where old and new
// counts are equal, position i takes old cell i.
class cell_plan {
public:
    static constexpr std::uint32_t none = 0xFFFFFFFFu;

    struct step {
        std::uint32_t freed; // an old cell that no position takes, to be freed now, or none
        std::uint32_t taken; // the old cell the position takes, or none for a new cell
        cell_action action;  // what becomes of its text; a new cell's is formed
    };

    cell_plan(const held_sources& old, std::uint32_t old_count, std::uint32_t new_count);

    // The step of the next position, whose text is formed from `now` (null
    // when it cannot be formed).
    step next(const text_source* now);
    // The step of the next position where the old cell next in line was
    // formed from what the position's text is: next would keep that cell
    // too, at more cost. Returns the cell.
    std::uint32_t keep_next() { return next_old_++; }
    // The first old cell neither taken nor freed: the one next in line, or
    // once every position is placed, the first of those left over.
    std::uint32_t first_left() const { return next_old_; }

private:
    const held_sources& old_;
    std::uint32_t old_count_;
    std::uint32_t next_old_ = 0; // the first old cell neither taken nor freed
    std::uint32_t to_make_;      // positions that still need a new cell
    std::uint32_t to_free_;      // old cells that still need no position
};

} // namespace relayvo
