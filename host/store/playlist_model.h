// The host's playlists: named lists of track handles, one of them active, each
// with its own selection. Tracks live as long as the model, so a handle stays
// valid after its track has left every playlist.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <unordered_set>
#include <vector>

namespace host {

struct track {
    std::string title;
};

struct playlist {
    std::string name;
    std::vector<track*> items;
    std::vector<bool> selected; // one flag per item

    std::size_t selected_count() const;
    std::vector<track*> selection() const;
};

class playlist_model {
public:
    static constexpr std::size_t none = static_cast<std::size_t>(-1);

    // One playlist named "Default", active.
    playlist_model();

    std::size_t count() const { return playlists_.size(); }
    playlist& at(std::size_t index) { return playlists_[index]; }
    const playlist& at(std::size_t index) const { return playlists_[index]; }

    // The index of the active playlist, or `none`.
    std::size_t active() const { return active_; }
    // The active playlist, or null.
    playlist* active_playlist();
    // Makes `index` active; false if there is no such playlist.
    bool activate(std::size_t index);

    // Appends a playlist and returns its index; the first one becomes active.
    std::size_t create(const std::string& name);
    // Removes playlist `index` (< count); the next one takes over if it was active.
    void remove(std::size_t index);
    void rename(std::size_t index, const std::string& name);
    // Moves playlist `from` to position `to` (both < count); the active one stays active.
    void move(std::size_t from, std::size_t to);

    // A new track owned by the model.
    track* new_track(const std::string& title);
    // Whether `handle` is one of the model's tracks.
    bool owns(const void* handle) const;

    // Inserts `tracks` into `list` at `position` (past the end appends);
    // with `select` they become its selection. Returns where they went.
    static std::size_t insert(playlist& list, std::size_t position,
                              const std::vector<track*>& tracks, bool select);
    // Removes the items of `list` whose flag in `doomed` is set.
    static void remove_flagged(playlist& list, const std::vector<bool>& doomed);

private:
    std::vector<playlist> playlists_;
    std::size_t active_ = none;
    std::deque<track> tracks_;
    std::unordered_set<const void*> handles_;
};

} // namespace host
