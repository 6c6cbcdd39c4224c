#include "services/playlist_services.h"

#include "services/handle_list.h"
#include "trace/trace.h"

#include <algorithm>

namespace host {

namespace {

using trace::direction;

// A text_buffer of the component's, filled through its own operations.
void assign(quorvel::text_buffer& out, const std::string& text) {
    trace::call c(direction::to_component, "text", "assign", trace::quoted(text.c_str()), "-1");
    out.assign(text.c_str(), quorvel::unbounded);
}

} // namespace

std::int32_t roster_service::unused_4(std::uint32_t a) {
    trace::call c(direction::to_host, name(), "slot_4", a);
    return c.returns(0);
}

bool roster_service::playlist_name(std::uint32_t index, quorvel::text_buffer& out) {
    trace::call c(direction::to_host, name(), "playlist_name", index, "text");
    if (index >= model_.count()) return c.returns(false);
    assign(out, model_.at(index).name);
    return c.returns(true);
}

bool roster_service::unused_6(std::uint32_t a) {
    trace::call c(direction::to_host, name(), "slot_6", a);
    return c.returns(false);
}

std::int32_t roster_service::playlist_item_count(std::uint32_t index) {
    trace::call c(direction::to_host, name(), "playlist_item_count", index);
    if (index >= model_.count()) return c.returns(-1);
    return c.returns(static_cast<std::int32_t>(model_.at(index).items.size()));
}

std::int32_t roster_service::unused_8() {
    trace::call c(direction::to_host, name(), "slot_8");
    return c.returns(0);
}

std::int32_t roster_service::active_index() {
    trace::call c(direction::to_host, name(), "active_index");
    std::size_t active = model_.active();
    return c.returns(active == playlist_model::none ? -1 : static_cast<std::int32_t>(active));
}

bool roster_service::activate(std::uint32_t index) {
    trace::call c(direction::to_host, name(), "activate", index);
    return c.returns(model_.activate(index));
}

std::int32_t active_playlist_service::item_count() {
    trace::call c(direction::to_host, name(), "item_count");
    playlist* list = model_.active_playlist();
    return c.returns(list ? static_cast<std::int32_t>(list->items.size()) : 0);
}

std::int32_t active_playlist_service::unused(int slot) {
    trace::call c(direction::to_host, name(), "slot_" + std::to_string(slot));
    return c.returns(0);
}

bool active_playlist_service::remove_masked(const quorvel::index_mask& mask) {
    trace::call c(direction::to_host, name(), "remove_masked", "mask");
    playlist* list = model_.active_playlist();
    if (!list) return c.returns(false);
    // Runs of flagged items, found with the mask's own search.
    auto n = static_cast<std::uint32_t>(list->items.size());
    std::vector<bool> doomed(n, false);
    auto find = [&](bool value, std::uint32_t start) {
        trace::call ask(direction::to_component, "mask", "find", value, start, n - start);
        std::uint32_t at = ask.returns(mask.find(value, start, n - start));
        return at < start || at > n ? n : at; // a mask answering outside the range ends the search
    };
    for (std::uint32_t start = 0; start < n;) {
        std::uint32_t first = find(true, start);
        if (first >= n) break;
        std::uint32_t end = first + 1 < n ? find(false, first + 1) : n;
        std::fill(doomed.begin() + first, doomed.begin() + end, true);
        start = end;
    }
    playlist_model::remove_flagged(*list, doomed);
    return c.returns(true);
}

std::vector<track*> active_playlist_service::tracks_of(quorvel::handle_list& list) {
    std::vector<void*> items;
    if (handle_list* own = handle_list::own(list)) {
        items = own->items();
    } else {
        std::uint32_t n = 0;
        {
            trace::call c(direction::to_component, "list", "count");
            n = c.returns(list.count());
        }
        for (std::uint32_t i = 0; i < n; ++i) {
            trace::call c(direction::to_component, "list", "get", i);
            items.push_back(list.get(i));
        }
    }
    std::vector<track*> tracks;
    for (void* item : items)
        if (model_.owns(item)) tracks.push_back(static_cast<track*>(item));
    return tracks;
}

std::int32_t active_playlist_service::insert_handles(quorvel::handle_list& handles,
                                                     std::int32_t reserved_a, std::int32_t position,
                                                     std::int32_t reserved_c, std::int32_t select) {
    trace::call c(direction::to_host, name(), "insert_handles", handle_list::describe(handles),
                  reserved_a, position, reserved_c, select);
    playlist* list = model_.active_playlist();
    if (!list) return c.returns(-1);
    std::vector<track*> tracks = tracks_of(handles);
    std::size_t at = position < 0 ? list->items.size() : static_cast<std::size_t>(position);
    return c.returns(
        static_cast<std::int32_t>(playlist_model::insert(*list, at, tracks, select != 0)));
}

} // namespace host
