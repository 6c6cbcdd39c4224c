#include "commands/entry_table.h"

#include "config/variables.h"
#include "frame/host.h"
#include "frame/version_record.h"
#include "text/format.h"
#include "text/heap.h"
#include "text/owned_text.h"

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

// The name of playlist `index`, or the empty text when the host has none.
text_buffer playlist_name(std::uint32_t index) {
    text_buffer name;
    if (quorvel::playlist_roster* r = roster()) r->playlist_name(index, name);
    return name;
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

// "%0Du" with D the number of digits of the playlist count, so numbers sort.
text_buffer number_format() {
    text_buffer digits = format_text("%u", playlist_count);
    return format_text("%%0%uu", digits.length());
}

text_buffer label_for(const char* number_format, std::uint32_t index, const char* name) {
    text_buffer number = format_text(number_format, index + 1);
    std::int32_t count = item_count(index);
    bool with_count = add_total.on() && count >= 0;
    if (add_index.on())
        return with_count ? format_text("%s. %s (%i)", number.text(), name, count)
                          : format_text("%s. %s", number.text(), name);
    return with_count ? format_text("%s (%i)", name, count) : format_text("%s", name);
}

text_buffer path_for(const char* name) { return format_text("%s/%s", command_group(), name); }

// Puts `text` in the cell at `index`, making the cell if an earlier rebuild could not.
void replace_cell(pointer_list& list, std::uint32_t index, const char* text) {
    if (owned_text* cell = static_cast<owned_text*>(list.get(index)))
        cell->assign(text, quorvel::unbounded);
    else
        list.set(index, new_cell(text));
}

// Fills `list` with one cell per playlist made by `text_of`. If the list
// itself cannot get memory it stays empty rather than partly filled.
template <class TextOf>
void fill(pointer_list& list, TextOf text_of) {
    if (!list.resize(playlist_count)) return;
    for (std::uint32_t i = 0; i < playlist_count; ++i) {
        text_buffer name = playlist_name(i);
        list.set(i, new_cell(text_of(i, name.text()).text()));
    }
}

} // namespace

const char* command_group() {
    return use_custom_group.on() ? cust_group_name.text() : component_name_text;
}

entry_table::~entry_table() {
    clear_entries(index_labels);
    clear_entries(name_paths);
}

const char* entry_table::text_at(pointer_list& list, std::uint32_t index) {
    const owned_text* cell = static_cast<const owned_text*>(list.get(index));
    return cell ? cell->get() : empty_text;
}

void clear_entries(pointer_list& list) {
    for (std::uint32_t i = 0, n = list.count(); i < n; ++i)
        delete_cell(static_cast<owned_text*>(list.get(i)));
    remove_all(list);
}

void rebuild_entries() {
    entries.name_paths_enabled = show_numbers.on();
    clear_entries(entries.index_labels);
    clear_entries(entries.name_paths);
    text_buffer format = number_format();
    fill(entries.index_labels, [&](std::uint32_t i, const char* name) {
        return label_for(format.text(), i, name);
    });
    if (entries.name_paths_enabled)
        fill(entries.name_paths, [](std::uint32_t, const char* name) { return path_for(name); });
}

void rename_entry(std::uint32_t index, const char* new_name) {
    if (index >= entries.label_count()) return;
    const char* name = or_empty(new_name);
    text_buffer format = number_format();
    replace_cell(entries.index_labels, index, label_for(format.text(), index, name).text());
    if (entries.name_paths_enabled && index < entries.path_count())
        replace_cell(entries.name_paths, index, path_for(name).text());
}

} // namespace relayvo
