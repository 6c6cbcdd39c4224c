#include "store/playlist_model.h"

#include <algorithm>

namespace host {

std::size_t playlist::selected_count() const {
    return static_cast<std::size_t>(std::count(selected.begin(), selected.end(), true));
}

std::vector<track*> playlist::selection() const {
    std::vector<track*> out;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (selected[i]) out.push_back(items[i]);
    return out;
}

playlist_model::playlist_model() {
    create("Default");
}

playlist* playlist_model::active_playlist() {
    return active_ < playlists_.size() ? &playlists_[active_] : nullptr;
}

bool playlist_model::activate(std::size_t index) {
    if (index >= playlists_.size()) return false;
    active_ = index;
    return true;
}

std::size_t playlist_model::create(const std::string& name) {
    playlists_.push_back({name, {}, {}});
    if (active_ == none) active_ = playlists_.size() - 1;
    return playlists_.size() - 1;
}

void playlist_model::remove(std::size_t index) {
    playlists_.erase(playlists_.begin() + static_cast<std::ptrdiff_t>(index));
    if (playlists_.empty())
        active_ = none;
    else if (active_ > index || active_ == playlists_.size())
        --active_;
}

void playlist_model::rename(std::size_t index, const std::string& name) {
    playlists_[index].name = name;
}

void playlist_model::move(std::size_t from, std::size_t to) {
    playlist moving = std::move(playlists_[from]);
    playlists_.erase(playlists_.begin() + static_cast<std::ptrdiff_t>(from));
    playlists_.insert(playlists_.begin() + static_cast<std::ptrdiff_t>(to), std::move(moving));
    if (active_ == from)
        active_ = to;
    else if (from < active_ && active_ <= to)
        --active_;
    else if (to <= active_ && active_ < from)
        ++active_;
}

track* playlist_model::new_track(const std::string& title) {
    track& t = tracks_.emplace_back(track{title});
    handles_.insert(&t);
    return &t;
}

bool playlist_model::owns(const void* handle) const {
    return handles_.count(handle) != 0;
}

std::size_t playlist_model::insert(playlist& list, std::size_t position,
                                   const std::vector<track*>& tracks, bool select) {
    position = std::min(position, list.items.size());
    if (select) std::fill(list.selected.begin(), list.selected.end(), false);
    auto at = static_cast<std::ptrdiff_t>(position);
    list.items.insert(list.items.begin() + at, tracks.begin(), tracks.end());
    list.selected.insert(list.selected.begin() + at, tracks.size(), select);
    return position;
}

void playlist_model::remove_flagged(playlist& list, const std::vector<bool>& doomed) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < list.items.size(); ++i) {
        if (i < doomed.size() && doomed[i]) continue;
        list.items[kept] = list.items[i];
        list.selected[kept] = list.selected[i];
        ++kept;
    }
    list.items.resize(kept);
    list.selected.resize(kept);
}

} // namespace host
