// The host as a whole: its playlists, its services, the loaded component and
// the profile's store, with the few operations that involve more than one.
#pragma once

#include "services/host_directory.h"
#include "session/component_session.h"
#include "session/preferences_frame.h"
#include "store/playlist_file.h"
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

    // Makes the profile folder when it is missing. Returns an empty text when
    // it can hold the host's files, otherwise one line saying why not; every
    // save is then refused.
    std::string open_profile();
    // Brings back the playlists kept in the profile; returns a line for the
    // user for each thing wrong with them (playlist_file::load).
    std::vector<std::string> load_playlists();

    // Loads the component at `path`. A library that cannot be loaded, or a
    // save that fails, leaves the component loaded now as it is; otherwise it
    // is saved and unloaded first. Returns an empty text on success, otherwise
    // what went wrong.
    std::string load(const std::string& path);
    // Returns the profile to a fresh start: the component loaded afresh with
    // its default settings, the host's one empty playlist, both saved. What
    // it replaces is saved first and copied beside the files, as
    // <name>.before-fresh, over the copies an earlier fresh start made; a save
    // or copy that fails changes nothing. Returns as save does.
    std::string fresh();
    // Saves the component's settings and the playlists, and says which files
    // it wrote; an empty text on success, otherwise what went wrong.
    std::string save();
    // Saves what may be saved, and unloads: the end of a session. Saves the
    // user was told at start would be refused are left out. Returns what went
    // wrong with the save, if anything, as "save: ...".
    std::string finish();
    const store& settings_store() const { return store_; }
    // The component library loaded last, or to be loaded.
    const std::string& library_path() const { return library_path_; }

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
    // Loads the library at `path`, with the stored settings when `stored`,
    // and tells who was loaded.
    std::string start(const std::string& path, bool stored);
    // Saves the settings, when a component is loaded, and the playlists; with
    // `skip_refused`, leaves out the files whose saves the user was told are
    // refused. `written` gets the files written and their sizes, for the
    // user. Returns the first thing that went wrong.
    std::string save_all(bool skip_refused, std::string& written);
    // Saves as save_all does, and says which files were written.
    std::string save_and_say(bool skip_refused);
    // Copies the store and the playlists beside them before a fresh start;
    // `kept` gets the copies' names, for the user. Returns what went wrong.
    std::string keep_before_fresh(std::string& kept) const;

    std::string library_path_;
    store store_;
    playlist_file playlists_;
    std::string profile_problem_; // why the profile folder cannot hold the host's files
};

// The module name of a component library: its file name without the
// extension and, where the platform adds one, the "lib" prefix.
std::string module_name_of(const std::string& path);

} // namespace host
