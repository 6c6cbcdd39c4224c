#include "commands/entry_table.h"

#include "commands/cell_plan.h"
#include "commands/entry_cell.h"
#include "frame/host.h"
#include "frame/version_record.h"
#include "text/format.h"
#include "text/plain_text.h"
#include "text/text_buffer.h"

#include <cstring>
#include <string_view>

namespace relayvo {

namespace {

entry_cell* cell_at(const pointer_list& list, std::uint32_t index) {
    return static_cast<entry_cell*>(list.get(index));
}

// Frees every cell of `list` and its text, then empties the list.
void clear_entries(pointer_list& list) {
    for (std::uint32_t i = 0, n = list.count(); i < n; ++i)
        entry_cell::free(cell_at(list, i));
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
// rather than formatted, so that they cost no allocation. No number has more
// digits than D, since none passes the playlist count.
struct numbered_formats {
    explicit numbered_formats(std::uint32_t playlists) : digits(decimal_digits(playlists)) {
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

    std::uint32_t digits; // 1 to 10
    char with_count[16];
    char without_count[16];
};

enum class text_kind { label, path };

// A formed text and where the name starts in it; a null text where it could
// not be formed.
struct formed_text {
    const char* text = nullptr;
    std::uint32_t length = 0;
    std::uint32_t name_offset = 0;
};

// What one rebuild or rename works with, reused from playlist to playlist:
// the settings as they stand and the texts it fills.
struct scratch {
    explicit scratch(const entry_table& table)
        : settings(table.settings()), numbered(table.playlist_count()),
          group(table.command_group()) {}

    const entry_settings& settings;
    numbered_formats numbered;
    std::string_view group;
    text_buffer name{text_buffer::size_hint{0}}; // the playlist's name from the host
    // The label or path being formed, with room for most at once.
    text_buffer text{text_buffer::size_hint{64}};

    // Fetches the name of playlist `index` (empty when the host has none);
    // false when it could not be had. The host assigns the name over the
    // one before, so the buffer is emptied only where it gives none.
    bool fetch_name(std::uint32_t index) {
        quorvel::playlist_roster* r = roster();
        if (!r || !r->playlist_name(index, name)) name.truncate(0);
        return name.intact();
    }
    std::string_view fetched_name() { return {name.text(), name.length()}; }

    // The source of the label of playlist `index` named `playlist_name`, a
    // text ending in its NUL. Its item count is asked for even when the label
    // leaves it out.
    text_source label_source(std::uint32_t index, std::string_view playlist_name) {
        std::int32_t count = item_count(index);
        bool numbered_label = settings.numbered.on();
        return {{},
                numbered_label ? index + 1 : 0,
                numbered_label ? numbered.digits : 0,
                playlist_name,
                settings.counted.on() && count >= 0 ? count : -1};
    }
    text_source path_source(std::string_view playlist_name) const {
        return {group, 0, 0, playlist_name, -1};
    }

    // The text of `kind` formed from `now`.
    formed_text form(text_kind kind, const text_source& now) {
        if (kind == text_kind::path) {
            text.assign(now.group.data(), static_cast<std::uint32_t>(now.group.size()));
            text.append("/", 1);
            text.append(now.name.data(), static_cast<std::uint32_t>(now.name.size()));
            return formed(static_cast<std::uint32_t>(now.group.size()) + 1);
        }
        const char* playlist_name = now.name.data();
        if (now.number && now.count >= 0)
            format_to(text, numbered.with_count, now.number, playlist_name, now.count);
        else if (now.number)
            format_to(text, numbered.without_count, now.number, playlist_name);
        else if (now.count >= 0)
            format_to(text, "%s (%i)", playlist_name, now.count);
        else // the label is the name
            return {playlist_name, static_cast<std::uint32_t>(now.name.size()), 0};
        return formed(now.number ? now.width + 2 : 0);
    }

    formed_text formed(std::uint32_t name_offset) {
        if (!text.intact()) return {};
        return {text.text(), text.length(), name_offset};
    }
};

// `cell` (null where there is none) with its text made that of `now` by
// `action`: a new cell where one is formed and there was none, null if memory
// ran out. A text that cannot be formed leaves the cell holding none.
entry_cell* with_text(entry_cell* cell, cell_action action, const text_source* now, text_kind kind,
                      scratch& work) {
    if (action == cell_action::keep) return cell;
    if (action == cell_action::renumber) {
        cell->renumber(now->number);
        return cell;
    }
    if (!cell) cell = entry_cell::make();
    if (!cell) return nullptr;
    formed_text formed = now ? work.form(kind, *now) : formed_text{};
    if (!formed.text)
        cell->lose();
    else
        cell->hold(formed.text, formed.length, formed.name_offset, *now);
    return cell;
}

// Gives the cell at `index` the text formed from `now`, making the cell if
// an earlier rebuild could not.
void update(pointer_list& list, std::uint32_t index, const text_source* now, text_kind kind,
            scratch& work) {
    entry_cell* cell = cell_at(list, index);
    text_source was;
    bool whole = cell && cell->source(was);
    list.set(index, with_text(cell, action_for(whole ? &was : nullptr, now), now, kind, work));
}

// Sets the cells of `list` aside in `held` when its count is to change; the
// old count, or 0 where they cannot be held, the list then emptied.
std::uint32_t set_aside(pointer_list& list, pointer_list& held, std::uint32_t count) {
    std::uint32_t old_count = list.count();
    if (count == old_count) return old_count; // the cells stay where they are
    if (!held.copy_of(list)) {
        clear_entries(list);
        return 0;
    }
    return old_count;
}

// Lays a list out anew for `count` texts given in order, each cell taken or
// made as the plan says, so that a rebuild formats and allocates only for
// the texts that change.
//
// While the count changes, the old cells are held aside and the list takes
// its new size. If they cannot be held aside the list starts afresh; if the
// list cannot take its size it ends empty. A list is never partly filled, and
// a position never shows another playlist's text: each holds its own or none.
class cell_layout final : public held_sources {
public:
    cell_layout(pointer_list& list, std::uint32_t count)
        : list_(list), old_count_(set_aside(list, held_, count)),
          old_(old_count_ == count ? &list : &held_), plan_(*this, old_count_, count),
          ready_(list.count() == count || list.resize(count)) {}
    // Frees the old cells that no position took.
    ~cell_layout() {
        for (std::uint32_t i = plan_.first_left(); i < old_count_; ++i)
            entry_cell::free(cell_at(*old_, i));
    }
    cell_layout(const cell_layout&) = delete;
    cell_layout& operator=(const cell_layout&) = delete;

    // False when the list could not take its size: it is empty, with nothing to place.
    bool ready() const { return ready_; }
    // Gives the next position the text of `kind` formed from `now` (null
    // when it cannot be formed).
    void place(const text_source* now, text_kind kind, scratch& work) {
        // Most cells read as they should: the next old one is kept as it is.
        entry_cell* next_old = cell_at(*old_, plan_.first_left());
        if (now && next_old && next_old->formed_from(*now)) {
            plan_.keep_next();
            list_.set(position_++, next_old);
            return;
        }
        cell_plan::step step = plan_.next(now);
        if (step.freed != cell_plan::none) entry_cell::free(cell_at(*old_, step.freed));
        entry_cell* cell = step.taken != cell_plan::none ? cell_at(*old_, step.taken) : nullptr;
        list_.set(position_++, with_text(cell, step.action, now, kind, work));
    }

    bool source(std::uint32_t index, text_source& out) const override {
        const entry_cell* cell = cell_at(*old_, index);
        return cell && cell->source(out);
    }

private:
    pointer_list& list_;
    pointer_list held_; // the old cells while the count changes
    std::uint32_t old_count_;
    const pointer_list* old_; // where the old cells are: the list itself, or held aside
    cell_plan plan_;
    std::uint32_t position_ = 0; // the next position to fill
    bool ready_;
};

// Gives `list` one cell per playlist of `playlists`, holding the text of
// `kind` formed from what `source_of` makes of each playlist's index and name.
template <class SourceOf>
void fill(pointer_list& list, std::uint32_t playlists, text_kind kind, scratch& work,
          SourceOf source_of) {
    cell_layout layout(list, playlists);
    if (!layout.ready()) return;
    for (std::uint32_t i = 0; i < playlists; ++i) {
        bool named = work.fetch_name(i);
        text_source now = source_of(i, work.fetched_name());
        layout.place(named ? &now : nullptr, kind, work);
    }
}

} // namespace

const char* entry_table::command_group() const {
    return settings_.custom_group.on() ? settings_.group_name.text() : component_name_text;
}

entry_table::~entry_table() {
    clear_entries(index_labels_);
    clear_entries(name_paths_);
}

const char* entry_table::text_at(const pointer_list& list, std::uint32_t index) {
    const entry_cell* cell = cell_at(list, index);
    return cell ? cell->text() : empty_text;
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
    name_paths_enabled_ = settings_.name_paths.on();
    scratch work(*this);
    fill(index_labels_, playlist_count_, text_kind::label, work,
         [&](std::uint32_t i, std::string_view name) { return work.label_source(i, name); });
    if (name_paths_enabled_)
        fill(name_paths_, playlist_count_, text_kind::path, work,
             [&](std::uint32_t, std::string_view name) { return work.path_source(name); });
    else
        clear_entries(name_paths_);
}

// Each list is laid out on its own, so one may hold the playlist while the
// other lost its cells: each is renamed wherever it holds it.
void entry_table::rename_entry(std::uint32_t index, const char* new_name) {
    bool labelled = index < label_count();
    bool pathed = name_paths_enabled_ && index < path_count();
    if (!labelled && !pathed) return;
    std::string_view name = or_empty(new_name);
    scratch work(*this);
    if (labelled) {
        text_source label = work.label_source(index, name);
        update(index_labels_, index, &label, text_kind::label, work);
    }
    if (pathed) {
        text_source path = work.path_source(name);
        update(name_paths_, index, &path, text_kind::path, work);
    }
}

void entry_table::refresh_label(std::uint32_t index) {
    if (!settings_.counted.on() || index >= label_count()) return;
    scratch work(*this);
    bool named = work.fetch_name(index);
    text_source label = work.label_source(index, work.fetched_name());
    update(index_labels_, index, named ? &label : nullptr, text_kind::label, work);
}

} // namespace relayvo
