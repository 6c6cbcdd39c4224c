// The plan of a rebuild: which old cell each position takes and what becomes
// of its text, from what the old texts and the new ones are formed from.
#include "commands/cell_plan.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using relayvo::cell_action;
using relayvo::cell_plan;
using relayvo::text_source;

// What a text is formed from; nullopt for a cell holding no whole text, or
// for a position whose name could not be had.
using formed_from = std::optional<text_source>;

formed_from label(const char* name, std::uint32_t number, std::uint32_t width, std::int32_t count) {
    return text_source{{}, number, width, name, count};
}
formed_from numbered(const char* name, std::uint32_t number) {
    return label(name, number, 1, -1);
}
formed_from path(const char* group, const char* name) {
    return text_source{group, 0, 0, name, -1};
}
const formed_from nothing;

class held_cells final : public relayvo::held_sources {
public:
    explicit held_cells(const std::vector<formed_from>& cells) : cells_(cells) {}
    bool source(std::uint32_t index, text_source& out) const override {
        if (!cells_.at(index)) return false;
        out = *cells_[index];
        return true;
    }

private:
    const std::vector<formed_from>& cells_;
};

// The plan's steps, one position after another ("keep 0", "new", "free 1,
// renumber 2"), then the old cells left over ("left 2").
std::string plan(const std::vector<formed_from>& old, const std::vector<formed_from>& now) {
    static const char* const actions[] = {"keep", "renumber", "form"};
    held_cells held(old);
    cell_plan p(held, static_cast<std::uint32_t>(old.size()),
                static_cast<std::uint32_t>(now.size()));
    std::string steps;
    auto add = [&](const std::string& step) { steps += (steps.empty() ? "" : " | ") + step; };
    for (const formed_from& position : now) {
        cell_plan::step s = p.next(position ? &*position : nullptr);
        std::string freed =
            s.freed == cell_plan::none ? "" : "free " + std::to_string(s.freed) + ", ";
        if (s.taken == cell_plan::none) {
            EXPECT_EQ(s.action, cell_action::form);
            add(freed + "new");
        } else {
            add(freed + actions[static_cast<int>(s.action)] + " " + std::to_string(s.taken));
        }
    }
    for (std::uint32_t i = p.first_left(); i < old.size(); ++i)
        add("left " + std::to_string(i));
    return steps;
}

struct plan_case {
    const char* what;
    std::vector<formed_from> old;
    std::vector<formed_from> now;
    const char* steps;
};

TEST(cell_plan_test, each_position_takes_its_playlists_cell_and_changes_only_what_moved) {
    const plan_case cases[] = {
        {"nothing changed",
         {numbered("A", 1), numbered("B", 2), numbered("C", 3)},
         {numbered("A", 1), numbered("B", 2), numbered("C", 3)},
         "keep 0 | keep 1 | keep 2"},
        {"creation in the middle: the numbers after it move",
         {numbered("A", 1), numbered("B", 2), numbered("C", 3)},
         {numbered("A", 1), numbered("X", 2), numbered("B", 3), numbered("C", 4)},
         "keep 0 | new | renumber 1 | renumber 2"},
        {"creation at the end",
         {label("A", 0, 0, 3), label("B", 0, 0, 4)},
         {label("A", 0, 0, 3), label("B", 0, 0, 4), label("C", 0, 0, 5)},
         "keep 0 | keep 1 | new"},
        {"creation that widens the numbers",
         {label("A", 8, 1, -1), label("B", 9, 1, -1)},
         {label("A", 8, 2, -1), label("B", 9, 2, -1), label("C", 10, 2, -1)},
         "form 0 | form 1 | new"},
        {"creation first",
         {numbered("A", 1), numbered("B", 2)},
         {numbered("X", 1), numbered("A", 2), numbered("B", 3)},
         "new | renumber 0 | renumber 1"},
        {"creation among equal names",
         {numbered("A", 1), numbered("A", 2)},
         {numbered("A", 1), numbered("A", 2), numbered("A", 3)},
         "keep 0 | keep 1 | new"},
        {"creation into none", {}, {numbered("A", 1), numbered("B", 2)}, "new | new"},
        {"removal in the middle: the numbers after it move",
         {numbered("A", 1), numbered("B", 2), numbered("C", 3), numbered("D", 4)},
         {numbered("A", 1), numbered("C", 2), numbered("D", 3)},
         "keep 0 | free 1, renumber 2 | renumber 3"},
        {"removal first",
         {numbered("A", 1), numbered("B", 2)},
         {numbered("B", 1)},
         "free 0, renumber 1"},
        {"removal at the end",
         {numbered("A", 1), numbered("B", 2), numbered("C", 3)},
         {numbered("A", 1), numbered("B", 2)},
         "keep 0 | keep 1 | left 2"},
        {"removal of the only one", {numbered("A", 1)}, {}, "left 0"},
        {"removal that narrows the numbers",
         {label("A", 9, 2, -1), label("B", 10, 2, -1)},
         {label("B", 9, 1, -1)},
         "free 0, form 1"},
        {"neighbours changing places",
         {numbered("A", 1), numbered("B", 2), numbered("C", 3)},
         {numbered("B", 1), numbered("A", 2), numbered("C", 3)},
         "form 0 | form 1 | keep 2"},
        {"an item count changed",
         {label("A", 0, 0, 3), label("B", 0, 0, 4)},
         {label("A", 0, 0, 3), label("B", 0, 0, 7)},
         "keep 0 | form 1"},
        {"an item count the host no longer tells",
         {label("A", 1, 1, 3)},
         {label("A", 1, 1, -1)},
         "form 0"},
        {"numbers turned off", {numbered("A", 1)}, {label("A", 0, 0, -1)}, "form 0"},
        {"numbers turned on", {label("A", 0, 0, -1)}, {numbered("A", 1)}, "form 0"},
        {"the group changed",
         {path("Relayvo", "A"), path("Relayvo", "B")},
         {path("Favourites", "A"), path("Favourites", "B")},
         "form 0 | form 1"},
        {"paths kept, the group unchanged",
         {path("", "A"), path("", "B")},
         {path("", "A"), path("", "B")},
         "keep 0 | keep 1"},
        {"a cell left without its text is never kept, even where nothing changed",
         {numbered("A", 1), nothing, numbered("C", 3)},
         {numbered("A", 1), numbered("B", 2), numbered("C", 3)},
         "keep 0 | form 1 | keep 2"},
        {"a name that could not be had",
         {numbered("A", 1), numbered("B", 2)},
         {numbered("A", 1), nothing},
         "keep 0 | form 1"},
        {"a cell without its text where a playlist was created: every text still its own",
         {numbered("A", 1), nothing, numbered("C", 3)},
         {numbered("A", 1), numbered("B", 2), numbered("X", 3), numbered("C", 4)},
         "keep 0 | new | form 1 | renumber 2"},
    };
    for (const plan_case& c : cases)
        EXPECT_EQ(plan(c.old, c.now), c.steps) << c.what;
}

} // namespace
