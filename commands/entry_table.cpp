#include "commands/entry_table.h"

#include "config/variables.h"
#include "frame/host.h"
#include "frame/version_record.h"
#include "text/format.h"
#include "text/heap.h"
#include "text/owned_text.h"

#include <cstring>
#include <new>

namespace relayvo {

namespace {

// A new cell holding a copy of `text`, or null when memory ran out. Cells go
// through the component's heap like every other byte it owns.
owned_text* new_cell(const char* text) {
    void* memory = heap_allocate(sizeof(owned_text));
    if (!memory) return nullptr;
    owned_text* cell = new (memory) owned_text;
    cell->assign(text, quorvel::unbounded);
    return cell;
}

void delete_cell(owned_text* cell) {
    if (!cell) return;
    cell->~owned_text();
    heap_release(cell);
}

// Frees every cell of `list` and its text, then empties the list.
void clear_entries(pointer_list& list) {
    for (std::uint32_t i = 0, n = list.count(); i < n; ++i)
        delete_cell(static_cast<owned_text*>(list.get(i)));
    remove_all(list);
}

// The item count of playlist `index`: the active playlist service knows the
// active one's, the roster every other's. -1 when the host cannot tell.
std::int32_t item_count(std::uint32_t index) {
    quorvel::playlist_roster* r = roster();
    if (!r) return -1;
    std::int32_t active = r->active_index();
    if (active >= 0 && static_cast<std::uint32_t>(active) == index) {
        quorvel::active_playlist* a = active_playlist();
        return a ? a->item_count() : -1;
    }
    r = roster();
    return r ? r->playlist_item_count(index) : -1;
}

// "%0Du" with D the number of digits "%u" gives the playlist count, so that
// the numbers sort as texts.
text_buffer number_format() {
    std::uint32_t digits = 1;
    for (std::uint32_t n = playlist_count; n >= 10; n /= 10)
        ++digits;
    return format_text("%%0%uu", digits);
}

// The texts one rebuild or rename works in, reused from playlist to playlist
// so that an entry costs only its cell and its text.
struct scratch {
    text_buffer format = number_format();          // the number format
    text_buffer name;                              // the playlist's name from the host
    text_buffer number{text_buffer::size_hint{0}}; // its formatted number
    text_buffer text{text_buffer::size_hint{0}};   // the label or path being formed

    // Fetches the name of playlist `index`; empty when the host has none.
    const char* fetch_name(std::uint32_t index) {
        name.truncate(0);
        if (quorvel::playlist_roster* r = roster()) r->playlist_name(index, name);
        return name.text();
    }

    const char* label(std::uint32_t index, const char* playlist_name) {
        format_to(number, format.text(), index + 1);
        std::int32_t count = item_count(index);
        bool with_count = add_total.on() && count >= 0;
        if (add_index.on() && with_count)
            format_to(text, "%s. %s (%i)", number.text(), playlist_name, count);
        else if (add_index.on())
            format_to(text, "%s. %s", number.text(), playlist_name);
        else if (with_count)
            format_to(text, "%s (%i)", playlist_name, count);
        else
            format_to(text, "%s", playlist_name);
        return whole(format.intact() && number.intact());
    }

    const char* path(const char* playlist_name) {
        format_to(text, "%s/%s", command_group(), playlist_name);
        return whole(true);
    }

    // The formed text, or the empty text if any part of it could not be had.
    const char* whole(bool parts_intact) const {
        return parts_intact && name.intact() && text.intact() ? text.text() : empty_text;
    }
};

// Puts `text` in the cell at `index`, making the cell if an earlier rebuild
// could not. Most rebuilds leave most texts as they were; those are not rewritten.
void replace_cell(pointer_list& list, std::uint32_t index, const char* text) {
    owned_text* cell = static_cast<owned_text*>(list.get(index));
    if (!cell)
        list.set(index, new_cell(text));
    else if (std::strcmp(cell->get(), text) != 0 && !cell->assign(text, quorvel::unbounded))
        cell->assign(empty_text, quorvel::unbounded); // the old text may name another playlist
}

// Gives `list` one cell per playlist holding the text `text_of` forms. While
// the count is unchanged the cells stay and only their texts are replaced;
// otherwise the list starts afresh, so that a list that cannot get memory
// ends empty, never partly filled and never losing a cell.
template <class TextOf>
void fill(pointer_list& list, scratch& work, TextOf text_of) {
    if (list.count() != playlist_count) clear_entries(list);
    if (!list.resize(playlist_count)) return;
    for (std::uint32_t i = 0; i < playlist_count; ++i)
        replace_cell(list, i, text_of(i, work.fetch_name(i)));
}

} // namespace

const char* command_group() {
    return use_custom_group.on() ? cust_group_name.text() : component_name_text;
}

void entry_table::clear() {
    clear_entries(index_labels);
    clear_entries(name_paths);
    name_paths_enabled = false;
}

const char* entry_table::text_at(const pointer_list& list, std::uint32_t index) {
    const owned_text* cell = static_cast<const owned_text*>(list.get(index));
    return cell ? cell->get() : empty_text;
}

void rebuild_entries() {
    entries.name_paths_enabled = show_numbers.on();
    scratch work;
    fill(entries.index_labels, work,
         [&](std::uint32_t i, const char* name) { return work.label(i, name); });
    if (entries.name_paths_enabled)
        fill(entries.name_paths, work,
             [&](std::uint32_t, const char* name) { return work.path(name); });
    else
        clear_entries(entries.name_paths);
}

void rename_entry(std::uint32_t index, const char* new_name) {
    if (index >= entries.label_count()) return;
    const char* name = or_empty(new_name);
    scratch work;
    replace_cell(entries.index_labels, index, work.label(index, name));
    if (entries.name_paths_enabled && index < entries.path_count())
        replace_cell(entries.name_paths, index, work.path(name));
}

void refresh_label(std::uint32_t index) {
    if (!add_total.on() || index >= entries.label_count()) return;
    scratch work;
    replace_cell(entries.index_labels, index, work.label(index, work.fetch_name(index)));
}

} // namespace relayvo
