#include "commands/cell_plan.h"

namespace relayvo {

namespace {

// The action for texts of one playlist, the name aside: the pieces around the
// name are compared first, since they alone differ after a settings change.
inline cell_action action_apart_from_name(const text_source& was, const text_source& now) {
    if (was.width != now.width || was.count != now.count || was.group != now.group)
        return cell_action::form;
    // Equal widths: both show a number, or neither does and both are 0.
    return was.number == now.number ? cell_action::keep : cell_action::renumber;
}

// A cell formed from `was` holds the playlist `now` stands for: the same name.
bool same_playlist(const text_source& was, const text_source* now) {
    return now && was.name == now->name;
}

} // namespace

cell_action action_for(const text_source* was, const text_source* now) {
    if (!was || !now) return cell_action::form;
    cell_action action = action_apart_from_name(*was, *now);
    return action == cell_action::form || was->name == now->name ? action : cell_action::form;
}

cell_plan::cell_plan(const held_sources& old, std::uint32_t old_count, std::uint32_t new_count)
    : old_(old), old_count_(old_count), to_make_(new_count > old_count ? new_count - old_count : 0),
      to_free_(old_count > new_count ? old_count - new_count : 0) {}

cell_plan::step cell_plan::next(const text_source* now) {
    std::uint32_t j = next_old_;
    text_source was;
    bool whole = j < old_count_ && old_.source(j, was);
    if (to_make_ == 0 && to_free_ == 0) { // the cells stay in place
        ++next_old_;
        return {none, j, action_for(whole ? &was : nullptr, now)};
    }
    if (whole && same_playlist(was, now)) {
        ++next_old_;
        return {none, j, action_apart_from_name(was, *now)};
    }
    // A removed playlist's cell: the one after it holds this position's playlist.
    if (to_free_ > 0 && j + 1 < old_count_) {
        text_source after;
        if (old_.source(j + 1, after) && same_playlist(after, now)) {
            --to_free_;
            next_old_ += 2;
            return {j, j + 1, action_apart_from_name(after, *now)};
        }
    }
    // A created playlist, taken to be this one since the old cell here holds another.
    if (to_make_ > 0) {
        --to_make_;
        return {none, none, cell_action::form};
    }
    // The old cell here holds another playlist, or no whole text.
    ++next_old_;
    return {none, j, action_for(whole ? &was : nullptr, now)};
}

} // namespace relayvo
