// The component's model of the host's playlists: one label per playlist for
// the by-index commands and, when enabled, one command path per playlist for
// the by-name commands. Rebuilt on structural changes, patched on renames.
#pragma once

#include "text/pointer_list.h"

#include <cstdint>

namespace relayvo {

// Both lists hold owned_text cells that the table owns. A null cell, left
// where memory ran out, reads as the empty text, so position i always stands
// for playlist i.
class entry_table {
public:
    entry_table() = default;
    entry_table(const entry_table&) = delete;
    entry_table& operator=(const entry_table&) = delete;
    ~entry_table() { clear(); }

    std::uint32_t label_count() const { return index_labels.count(); }
    std::uint32_t path_count() const { return name_paths.count(); }
    // The label at `index` (< label_count), or the empty text.
    const char* label(std::uint32_t index) const { return text_at(index_labels, index); }
    // The command path at `index` (< path_count), or the empty text.
    const char* path(std::uint32_t index) const { return text_at(name_paths, index); }
    // Frees every cell and its text and empties both lists, as loading leaves them.
    void clear();

    bool name_paths_enabled = false; // show_numbers as the last rebuild saw it

private:
    static const char* text_at(const pointer_list& list, std::uint32_t index);

    // Only these form the texts; the cells are the table's alone.
    friend void rebuild_entries();
    friend void rename_entry(std::uint32_t index, const char* new_name);
    friend void refresh_label(std::uint32_t index);

    pointer_list index_labels;
    pointer_list name_paths;
};

// The table, defined with the component's other static objects.
extern entry_table entries;
// Playlists the host has announced: created minus removed.
extern std::uint32_t playlist_count;

// The group of every command name: cust_group_name while use_custom_group
// is on (possibly empty), otherwise the component's name.
const char* command_group();

// Rebuilds both lists from the host's playlists and the current settings,
// keeping every cell whose text is unchanged.
void rebuild_entries();
// Updates the label (and the command path, if paths are enabled) of one playlist.
void rename_entry(std::uint32_t index, const char* new_name);
// While labels show item counts, forms the label of playlist `index` (<
// label_count) again from its name and count as the host reports them now;
// otherwise makes no host call. For playlists whose count the component
// itself has just changed, since the host reports no such change.
void refresh_label(std::uint32_t index);

} // namespace relayvo
