// The host's playlists, kept in the profile folder as playlists.json like any
// file of the profile (store/profile_file.h): their names, order and tracks,
// and which one is active. A player keeps them across restarts; so does the
// host.
#pragma once

#include "store/playlist_model.h"
#include "store/profile_file.h"

#include <filesystem>
#include <string>
#include <vector>

namespace host {

class playlist_file {
public:
    explicit playlist_file(std::filesystem::path folder)
        : file_(std::move(folder), "playlists.json") {}

    // Replaces `model` with the playlists kept in the file, when there is
    // one. Returns a line for the user, beginning with the file's name, for
    // each problem. What can be repaired is, and what is dropped is said: a
    // playlist that is not one, a track that is not text, an active playlist
    // that is not one of them (the first one is then active); a playlist
    // without a name is named by its position, and an empty list gives the
    // one empty playlist of a first start. A file that is not JSON, or not
    // playlists at all, is kept aside and the model left as it was (at start,
    // one empty playlist); one that cannot be read is left alone, and saves
    // are refused.
    std::vector<std::string> load(playlist_model& model);
    // Writes `model` to the file; returns an empty text on success, otherwise
    // one line on what went wrong, with the path and the reason. `size` gets
    // the number of bytes written.
    std::string save(const playlist_model& model, std::size_t& size);
    const std::string& file_name() const { return file_.name(); }
    // Copies the file beside it, as profile_file::copy_beside does.
    std::string copy_beside(const std::string& suffix, std::string& problem) const {
        return file_.copy_beside(suffix, problem);
    }

    // Refuses every save from now on, for `reason`, which the user has been told.
    void refuse(std::string reason) { file_.refuse(std::move(reason)); }
    // Whether saves are refused for a reason the user has been told.
    bool refused() const { return !file_.refusal().empty(); }

private:
    profile_file file_;
};

} // namespace host
