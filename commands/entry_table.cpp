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

// The number of characters "%u" writes for `n`.
std::uint32_t decimal_digits(std::uint32_t n) {
    std::uint32_t digits = 1;
    for (; n >= 10; n /= 10)
        ++digits;
    return digits;
}

// The formats of a numbered label, "%0Du. %s (%i)" and "%0Du. %s", with D the
// digits of the playlist count so that the numbers sort as texts. Spelt out
// rather than formatted, so that they cost no allocation.
struct numbered_formats {
    explicit numbered_formats(std::uint32_t playlists) {
        std::uint32_t digits = decimal_digits(playlists); // 1 to 10
        char* p = with_count;
        *p++ = '%';
        *p++ = '0';
        if (digits >= 10) *p++ = '1';
        *p++ = static_cast<char>('0' + digits % 10);
        std::memcpy(p, "u. %s (%i)", sizeof "u. %s (%i)");
        std::size_t without = static_cast<std::size_t>(p - with_count) + std::strlen("u. %s");
        std::memcpy(without_count, with_count, without);
        without_count[without] = '\0';
    }

    char with_count[16];
    char without_count[16];
};

// The texts one rebuild or rename works in, reused from playlist to playlist
// so that an entry costs only the texts that changed.
struct scratch {
    explicit scratch(std::uint32_t playlists) : numbered(playlists) {}

    numbered_formats numbered;
    text_buffer name{text_buffer::size_hint{0}}; // the playlist's name from the host
    // The label or path being formed, with room for most at once.
    text_buffer text{text_buffer::size_hint{64}};

    // Fetches the name of playlist `index`; empty when the host has none.
    const char* fetch_name(std::uint32_t index) {
        name.truncate(0);
        if (quorvel::playlist_roster* r = roster()) r->playlist_name(index, name);
        return name.text();
    }

    // The label of playlist `index` named `playlist_name`. Its item count is
    // asked for even when the label leaves it out.
    const char* label(std::uint32_t index, const char* playlist_name) {
        std::int32_t count = item_count(index);
        bool with_count = add_total.on() && count >= 0;
        if (add_index.on() && with_count)
            format_to(text, numbered.with_count, index + 1, playlist_name, count);
        else if (add_index.on())
            format_to(text, numbered.without_count, index + 1, playlist_name);
        else if (with_count)
            format_to(text, "%s (%i)", playlist_name, count);
        else
            return name.intact() ? playlist_name : empty_text; // the label is the name
        return whole();
    }

    // The group, a slash and the name.
    const char* path(const char* playlist_name) {
        text.assign(command_group(), quorvel::unbounded);
        text.append("/", 1);
        text.append(playlist_name, quorvel::unbounded);
        return whole();
    }

    // The formed text, or the empty text if any part of it could not be had.
    const char* whole() const { return name.intact() && text.intact() ? text.text() : empty_text; }
};

// `cell` holding `text`: the same cell, its text rewritten only if it differs,
// or a new cell when there is none (null if memory ran out).
owned_text* with_text(owned_text* cell, const char* text) {
    if (!cell) return new_cell(text);
    if (std::strcmp(cell->get(), text) != 0 && !cell->assign(text, quorvel::unbounded))
        cell->assign(empty_text, quorvel::unbounded); // the old text may name another playlist
    return cell;
}

// Puts `text` in the cell at `index`, making the cell if an earlier rebuild could not.
void replace_cell(pointer_list& list, std::uint32_t index, const char* text) {
    list.set(index, with_text(static_cast<owned_text*>(list.get(index)), text));
}

// Lays a list out anew for `playlist_count` texts given in order.
//
// A rebuild could free every cell and make each one afresh. It keeps them
// instead: a cell whose text is unchanged stays as it is, and one whose text
// changed gets the new text, so a rebuild costs allocator calls only for the
// texts that changed, and the texts read the same either way. When the count
// changed by one, the created playlist's text gets a new cell, or the removed
// playlist's cell is freed, where the texts on either side show the gap, so
// the cells after it keep their texts too.
//
// While the count changes, the old cells are held aside and the list takes its
// new size. If they cannot be held aside the list starts afresh; if the list
// cannot take its size it ends empty. A list is never partly filled, and a
// position never shows another playlist's text: each holds its own or none.
class cell_layout {
public:
    cell_layout(pointer_list& list, std::uint32_t count);
    // Frees the old cells that no position took.
    ~cell_layout();
    cell_layout(const cell_layout&) = delete;
    cell_layout& operator=(const cell_layout&) = delete;

    // False when the list could not take its size: it is empty, with nothing to place.
    bool ready() const { return ready_; }
    // Gives the next position `text`.
    void place(const char* text);

private:
    // Whether old cell `index` exists and reads as `text`.
    bool old_reads(std::uint32_t index, const char* text);
    // The next old cell in order, or null when none is left.
    owned_text* take_old();
    void put(owned_text* cell, const char* text) { list_.set(position_++, with_text(cell, text)); }

    pointer_list& list_;
    pointer_list held_; // the old cells while the count changes
    pointer_list* old_; // where the old cells are: the list itself, or held aside
    std::uint32_t old_count_;
    std::uint32_t next_old_ = 0; // the first old cell neither placed nor freed
    std::uint32_t position_ = 0; // the next position to fill
    std::uint32_t to_make_;      // positions that still need a cell of their own
    std::uint32_t to_free_;      // old cells that still have no position
    text_buffer pending_{text_buffer::size_hint{0}}; // a text waiting for the next one
    bool has_pending_ = false;
    bool ready_ = true;
};

cell_layout::cell_layout(pointer_list& list, std::uint32_t count)
    : list_(list), old_(&list), old_count_(list.count()),
      to_make_(count > old_count_ ? count - old_count_ : 0),
      to_free_(count < old_count_ ? old_count_ - count : 0) {
    if (count == old_count_) return; // the cells stay where they are
    old_ = &held_;
    if (held_.resize(old_count_)) {
        for (std::uint32_t i = 0; i < old_count_; ++i)
            held_.set(i, list.get(i));
    } else {
        clear_entries(list);
        old_count_ = to_free_ = 0;
        to_make_ = count;
    }
    ready_ = list.resize(count);
}

cell_layout::~cell_layout() {
    while (next_old_ < old_count_)
        delete_cell(take_old());
}

bool cell_layout::old_reads(std::uint32_t index, const char* text) {
    if (index >= old_count_) return false;
    const owned_text* cell = static_cast<const owned_text*>(old_->get(index));
    return std::strcmp(cell ? cell->get() : empty_text, text) == 0;
}

owned_text* cell_layout::take_old() {
    return next_old_ < old_count_ ? static_cast<owned_text*>(old_->get(next_old_++)) : nullptr;
}

void cell_layout::place(const char* text) {
    if (has_pending_) {
        // The waiting text is the created playlist's if this one reads as the next old cell.
        has_pending_ = false;
        bool created = old_reads(next_old_, text);
        put(created ? nullptr : take_old(), pending_.text());
        if (created) --to_make_;
    }
    if (to_make_ > 0 && !old_reads(next_old_, text)) {
        if (next_old_ < old_count_) {
            pending_.assign(text, quorvel::unbounded);
            has_pending_ = true;
            return;
        }
        --to_make_;
        put(nullptr, text);
        return;
    }
    if (to_free_ > 0 && !old_reads(next_old_, text) && old_reads(next_old_ + 1, text)) {
        delete_cell(take_old()); // the removed playlist's
        --to_free_;
    }
    put(take_old(), text);
}

// Gives `list` one cell per playlist of `playlists` holding the text `text_of` forms.
template <class TextOf>
void fill(pointer_list& list, std::uint32_t playlists, scratch& work, TextOf text_of) {
    cell_layout layout(list, playlists);
    if (!layout.ready()) return;
    for (std::uint32_t i = 0; i < playlists; ++i)
        layout.place(text_of(i, work.fetch_name(i)));
}

} // namespace

const char* command_group() {
    return use_custom_group.on() ? cust_group_name.text() : component_name_text;
}

entry_table::~entry_table() {
    clear_entries(index_labels_);
    clear_entries(name_paths_);
}

const char* entry_table::text_at(const pointer_list& list, std::uint32_t index) {
    const owned_text* cell = static_cast<const owned_text*>(list.get(index));
    return cell ? cell->get() : empty_text;
}

void entry_table::playlist_created() {
    ++playlist_count_;
    rebuild_entries();
}

void entry_table::playlist_removed() {
    if (playlist_count_ > 0) --playlist_count_;
    rebuild_entries();
}

void entry_table::rebuild_entries() {
    name_paths_enabled_ = show_numbers.on();
    scratch work(playlist_count_);
    fill(index_labels_, playlist_count_, work,
         [&](std::uint32_t i, const char* name) { return work.label(i, name); });
    if (name_paths_enabled_)
        fill(name_paths_, playlist_count_, work,
             [&](std::uint32_t, const char* name) { return work.path(name); });
    else
        clear_entries(name_paths_);
}

void entry_table::rename_entry(std::uint32_t index, const char* new_name) {
    if (index >= label_count()) return;
    const char* name = or_empty(new_name);
    scratch work(playlist_count_);
    replace_cell(index_labels_, index, work.label(index, name));
    if (name_paths_enabled_ && index < path_count())
        replace_cell(name_paths_, index, work.path(name));
}

void entry_table::refresh_label(std::uint32_t index) {
    if (!add_total.on() || index >= label_count()) return;
    scratch work(playlist_count_);
    replace_cell(index_labels_, index, work.label(index, work.fetch_name(index)));
}

} // namespace relayvo
