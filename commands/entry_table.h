// The component's model of the host's playlists: how many the host has
// announced, one label per playlist for the by-index commands and, when
// enabled, one command path per playlist for the by-name commands. Rebuilt on
// structural changes, patched on renames.
#pragma once

#include "config/config_var.h"
#include "text/pointer_list.h"

#include <cstdint>

namespace relayvo {

// The settings a table's texts are formed from: the variables themselves,
// each read when a text is formed, so that a rename reads them as they stand.
struct entry_settings {
    const config_int& numbered;     // labels begin with the playlist's number
    const config_int& counted;      // labels end with the playlist's item count
    const config_int& name_paths;   // by-name command paths are kept
    const config_int& custom_group; // group_name replaces the component's name as the group
    const config_text& group_name;  // the custom group; may be empty
};

// Both lists hold cells that the table owns (entry_cell: a text and what it
// was formed from). A null cell, left where memory ran out, reads as the
// empty text, so position i always stands for playlist i. Only the table's
// own operations change its state.
class entry_table {
public:
    // No playlist announced and no entry, as loading leaves the table; its
    // texts are formed under `settings`.
    explicit entry_table(const entry_settings& settings) : settings_(settings) {}
    // Counts `playlists` playlists as announced, with no entry until the first
    // rebuild: a host's playlists taken in one rebuild, as tests and
    // benchmarks start.
    entry_table(const entry_settings& settings, std::uint32_t playlists)
        : settings_(settings), playlist_count_(playlists) {}
    entry_table(const entry_table&) = delete;
    entry_table& operator=(const entry_table&) = delete;
    // Frees every cell and its text.
    ~entry_table();

    const entry_settings& settings() const { return settings_; }
    // The group of every command name: the custom group while it is on
    // (possibly empty), otherwise the component's name.
    const char* command_group() const;
    // Playlists the host has announced: created minus removed.
    std::uint32_t playlist_count() const { return playlist_count_; }
    // name_paths as the last rebuild saw it: whether the paths are kept.
    bool name_paths_enabled() const { return name_paths_enabled_; }
    std::uint32_t label_count() const { return index_labels_.count(); }
    std::uint32_t path_count() const { return name_paths_.count(); }
    // The label at `index` (< label_count), or the empty text.
    const char* label(std::uint32_t index) const { return text_at(index_labels_, index); }
    // The command path at `index` (< path_count), or the empty text.
    const char* path(std::uint32_t index) const { return text_at(name_paths_, index); }

    // Counts one more playlist and rebuilds.
    void playlist_created();
    // Counts one playlist fewer (never below 0) and rebuilds.
    void playlist_removed();
    // Rebuilds both lists from the host's playlists and the current settings,
    // keeping every cell whose text is unchanged and forming only the texts
    // whose name, number, count or group changed.
    void rebuild_entries();
    // Updates the label and, if paths are enabled, the command path of one
    // playlist, in each list that holds a cell for it.
    void rename_entry(std::uint32_t index, const char* new_name);
    // While labels show item counts, forms the label of playlist `index` (<
    // label_count) again from its name and count as the host reports them now;
    // otherwise makes no host call. For playlists whose count the component
    // itself has just changed, since the host reports no such change.
    void refresh_label(std::uint32_t index);

private:
    static const char* text_at(const pointer_list& list, std::uint32_t index);

    const entry_settings settings_;
    pointer_list index_labels_;
    pointer_list name_paths_;
    bool name_paths_enabled_ = false;
    std::uint32_t playlist_count_ = 0;
};

// The component's one table, defined with its other static objects; the
// published services are given it, and the preferences page rebuilds it.
extern entry_table entries;

} // namespace relayvo
