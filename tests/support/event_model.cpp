#include "tests/support/event_model.h"

#include "settings/control_ids.h"

#include <algorithm>
#include <cstdio>

namespace testing_support {

void playlist_set::insert(std::size_t at, fake_playlist list) {
    lists.insert(lists.begin() + static_cast<std::ptrdiff_t>(at), std::move(list));
    if (active < 0)
        active = 0;
    else if (static_cast<std::size_t>(active) >= at)
        ++active;
}

void playlist_set::erase(std::size_t at) {
    lists.erase(lists.begin() + static_cast<std::ptrdiff_t>(at));
    auto count = static_cast<std::int32_t>(lists.size());
    if (static_cast<std::size_t>(active) > at) --active;
    if (active >= count) active = count - 1;
}

void playlist_set::move(std::size_t from, std::size_t to) {
    fake_playlist list = std::move(lists[from]);
    lists.erase(lists.begin() + static_cast<std::ptrdiff_t>(from));
    lists.insert(lists.begin() + static_cast<std::ptrdiff_t>(to), std::move(list));
    auto a = static_cast<std::size_t>(active);
    if (a == from)
        a = to;
    else if (from < a && a <= to)
        --a;
    else if (to <= a && a < from)
        ++a;
    active = static_cast<std::int32_t>(a);
}

const char* key_of(flag f) {
    static const char* const keys[] = {"add_index", "add_total",  "replace",         "show_numbers",
                                       "force_on",  "move_files", "use_custom_group"};
    return keys[static_cast<std::size_t>(f)];
}

int control_of(flag f) {
    static const int controls[] = {IDC_ADD_INDEX,       IDC_ADD_TOTAL, IDC_REPLACE,
                                   IDC_SHOW_NUMBERS,    IDC_FORCE_ON,  IDC_MOVE_FILES,
                                   IDC_USE_CUSTOM_GROUP};
    return controls[static_cast<std::size_t>(f)];
}

std::string event_model::command_group() const {
    return on(flag::custom_group) ? group_name : "Relayvo";
}

std::string event_model::fresh_label(std::size_t index) const {
    std::string number = std::to_string(index + 1);
    std::size_t width = std::to_string(lists.size()).size();
    number.insert(0, width > number.size() ? width - number.size() : 0, '0');
    std::string label = on(flag::add_index) ? number + ". " : "";
    label += lists[index].name;
    // The active playlist's count comes from the active playlist service,
    // which counts its tracks; the roster's count of another may fail (-1),
    // which leaves the count out.
    const fake_playlist& list = lists[index];
    std::int64_t count = list.items.size();
    if (static_cast<std::int32_t>(index) != active) count = list.roster_count.value_or(count);
    if (on(flag::add_total) && count >= 0) label += " (" + std::to_string(count) + ")";
    return label;
}

void event_model::rebuild() {
    paths_enabled = on(flag::show_numbers);
    labels.clear();
    paths.clear();
    for (std::size_t i = 0; i < lists.size(); ++i) {
        labels.push_back(fresh_label(i));
        if (paths_enabled) paths.push_back(command_group() + "/" + lists[i].name);
    }
}

void event_model::created(std::size_t at, fake_playlist list) {
    playlists().insert(at, std::move(list));
    rebuild();
}

void event_model::removed(std::size_t at) {
    playlists().erase(at);
    rebuild();
}

void event_model::renamed(std::size_t at, const std::string& name) {
    lists[at].name = name;
    labels[at] = fresh_label(at);
    if (paths_enabled) paths[at] = command_group() + "/" + name;
}

void event_model::reordered(std::size_t from, std::size_t to) {
    playlists().move(from, to);
    rebuild();
}

void event_model::loaded(flag f, std::int32_t value) {
    flags[static_cast<std::size_t>(f)] = value;
}

void event_model::loaded_group_name(const std::string& name) {
    group_name = name;
}

void event_model::page_opened() {
    page_open = true;
    checks = flags;
    field_enabled = on(flag::custom_group);
}

void event_model::clicked(flag f) {
    if (!page_open) return;
    auto i = static_cast<std::size_t>(f);
    checks[i] = checks[i] ? 0 : 1;
    flags[i] = checks[i];
    if (f == flag::custom_group) field_enabled = checks[i] != 0;
    if (f != flag::force_on && f != flag::move_files) rebuild();
}

void event_model::typed(const std::string& text) {
    if (!page_open || !field_enabled) return;
    group_name = text;
    rebuild();
}

void event_model::sent(bool by_name, std::uint32_t index, bool from_view) {
    std::vector<void*> handles = selection;
    if (handles.empty() || index >= (by_name ? paths.size() : labels.size())) return;
    auto source = static_cast<std::size_t>(active);
    bool moving = on(flag::move_files) && from_view;
    if (moving) {
        std::erase_if(lists[source].items, [&](void* t) {
            return std::find(handles.begin(), handles.end(), t) != handles.end();
        });
        selection.clear();
    }
    if (fail_activate || index >= lists.size()) {
        // The tracks taken out go back to the end of their playlist.
        if (moving)
            lists[source].items.insert(lists[source].items.end(), handles.begin(), handles.end());
    } else {
        active = static_cast<std::int32_t>(index);
        std::vector<void*>& target = lists[index].items;
        if (on(flag::replace)) target.clear();
        target.insert(target.end(), handles.begin(), handles.end());
        refresh_count(index);
    }
    if (moving) refresh_count(source);
}

void event_model::refresh_count(std::size_t index) {
    // A send changes counts the host does not report, so the labels showing
    // them are formed again.
    if (on(flag::add_total) && index < labels.size()) labels[index] = fresh_label(index);
}

} // namespace testing_support
