// A small model of the host's playlists and of what the component shows for
// them, kept apart from the component's code: the labels and command paths
// the component should offer, the settings and the open preferences page, and
// the playlists as they should be after every send. A test applies each event
// to the fake host and the component and to this model, and compares.
#pragma once

#include "tests/support/fake_host.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

// The host's side of a playlist change: the list and which one is active.
// Applied alike to the fake host's playlists and to the model's copy.
struct playlist_set {
    std::vector<fake_playlist>& lists;
    std::int32_t& active;

    // Inserts `list` at `at`; the active playlist stays the same one, and the
    // first playlist becomes active.
    void insert(std::size_t at, fake_playlist list);
    // Removes the playlist at `at`; when it was active, the one now at its
    // place (or the last one) becomes active.
    void erase(std::size_t at);
    // Moves the playlist at `from` to `to`; the active one stays the same one.
    void move(std::size_t from, std::size_t to);
};

// The seven flags, in the order of the page's check boxes.
enum class flag { add_index, add_total, replace, show_numbers, force_on, move_files, custom_group };
inline constexpr std::size_t flag_count = 7;
// The configuration key of each flag.
const char* key_of(flag f);
// The page's check box of each flag.
int control_of(flag f);

class event_model {
public:
    // The host: playlists, the active one, its selected tracks, and whether activation fails.
    std::vector<fake_playlist> lists;
    std::int32_t active = -1;
    std::vector<void*> selection;
    bool fail_activate = false;
    playlist_set playlists() { return {lists, active}; }

    // The settings as the component holds them.
    std::array<std::int32_t, flag_count> flags{};
    std::string group_name = "Relayvo";

    // What the component shows: one label per playlist, and one command path
    // per playlist while paths were on at the last rebuild.
    std::vector<std::string> labels;
    std::vector<std::string> paths;
    bool paths_enabled = false;

    // The preferences page: whether it is open, its check boxes, whether its
    // group name field takes typing.
    bool page_open = false;
    std::array<std::int32_t, flag_count> checks{};
    bool field_enabled = false;

    // Host events the component is told of.
    void created(std::size_t at, fake_playlist list);
    void removed(std::size_t at);
    void renamed(std::size_t at, const std::string& name);
    void reordered(std::size_t from, std::size_t to);

    // A configuration blob setting one value: values change, texts do not.
    void loaded(flag f, std::int32_t value);
    void loaded_group_name(const std::string& name);

    // The preferences page.
    void page_opened();
    void page_closed() { page_open = false; }
    void clicked(flag f);
    void typed(const std::string& text);

    // A command run with the selected tracks: by playlist position or by
    // name, from the playlist view or with no caller.
    void sent(bool by_name, std::uint32_t index, bool from_view);

    // The group of the command names.
    std::string command_group() const;
    // The label of playlist `index` formed from the host's playlists now.
    std::string fresh_label(std::size_t index) const;

private:
    bool on(flag f) const { return flags[static_cast<std::size_t>(f)] != 0; }
    void rebuild();
    void refresh_count(std::size_t index);
};

} // namespace testing_support
