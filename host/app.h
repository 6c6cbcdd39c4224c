// The host as a whole: its playlists, its services, the loaded component and
// the profile's store, with the few operations that involve more than one.
#pragma once

#include "services/host_directory.h"
#include "session/component_session.h"
#include "session/preferences_frame.h"
#include "store/playlist_model.h"
#include "store/store.h"

#include <ostream>
#include <string>

namespace host {

class host_app {
public:
    host_app(std::string library_path, std::filesystem::path profile, std::ostream& out);
    ~host_app();
    host_app(const host_app&) = delete;
    host_app& operator=(const host_app&) = delete;

    // Loads the component at `path`, after saving and unloading the one
    // loaded now. Returns an empty text on success, otherwise what went wrong;
    // the host then goes on without a component.
    std::string load(const std::string& path);
    // Loads the same library again.
    std::string restart() { return load(library_path_); }
    // Saves the component's settings to the store; an empty text on success,
    // otherwise what went wrong.
    std::string save();
    // Saves and unloads; returns what went wrong with the save, if anything,
    // as "save: ...".
    std::string finish();
    const store& settings_store() const { return store_; }

    // Playlist changes, told to the component.
    std::size_t create_playlist(const std::string& name);
    void remove_playlist(std::size_t index);
    void rename_playlist(std::size_t index, const std::string& name);
    void move_playlist(std::size_t from, std::size_t to);

    // The selected tracks of the active playlist.
    std::vector<track*> selection();

    playlist_model model;
    preferences_frame preferences; // the pages' parent; destroyed after the session
    host_directory directory{model};
    component_session session{directory};
    std::ostream& out;
    // The component's preferences page while it is open, else null.
    HWND page = nullptr;

private:
    std::string library_path_;
    store store_;
};

// The module name of a component library: its file name without the
// extension and, where the platform adds one, the "lib" prefix.
std::string module_name_of(const std::string& path);

} // namespace host
