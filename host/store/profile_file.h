// One file of the host's in the profile folder (the component's settings, the
// playlists). It is read whole; one that exists but cannot be read is reported
// with its path and the system's reason and is never written over in that run.
// Saving writes a temporary file beside the file's target and renames it over
// the target, so a crash leaves the old file or the new one, a symlink stays a
// symlink, and the file keeps its mode. A file the user made read-only is left
// as it is. A damaged file is kept aside under a name of its own.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace host {

// Makes the profile folder `folder` when it is missing. Returns an empty text
// when it can hold the host's files, otherwise one line naming it and why not.
std::string prepare_profile_folder(const std::filesystem::path& folder);

class profile_file {
public:
    profile_file(std::filesystem::path folder, std::string name)
        : folder_(std::move(folder)), name_(std::move(name)) {}

    const std::filesystem::path& folder() const { return folder_; }
    const std::string& name() const { return name_; }
    std::filesystem::path path() const { return folder_ / name_; }
    // Chooses the file's name in the same folder; refusals of an old name go.
    void rename(std::string name);

    struct contents {
        enum { missing, read, unreadable } state = missing;
        std::vector<std::uint8_t> bytes;
        std::string problem; // when unreadable: one line with the path and the reason
        std::string note;    // when read but read-only: that saves are refused, and why
    };
    // Reads the file. One that cannot be read is refused writes from now on,
    // and so is one that is read-only.
    contents read();
    // Reads the file, and nothing more.
    contents peek() const;

    // Refuses writes from now on, for `reason`, which the user has been told.
    void refuse(std::string reason) { refusal_ = std::move(reason); }
    // Why writes are refused, or empty.
    const std::string& refusal() const { return refusal_; }

    // Writes `bytes` atomically, making the profile folder if it is missing;
    // returns an empty text on success, otherwise one line naming the path and
    // the reason (or the refusal).
    std::string write(const std::vector<std::uint8_t>& bytes) const;

    // Copies the file to <name><suffix> beside it, replacing an older copy.
    // Returns the copy's name, or an empty text when there is no file;
    // `problem` gets one line naming the path and the reason when it cannot
    // be copied.
    std::string copy_beside(const std::string& suffix, std::string& problem) const;

    // Moves the file aside as <name>.damaged, <name>.damaged.2 and on; returns
    // what became of it, for the user: "kept aside as NAME", or that it could
    // not be moved.
    std::string keep_aside();
    // The names of the files kept aside, in order.
    std::vector<std::string> kept_aside() const;

private:
    std::string aside_name(int n) const;

    std::filesystem::path folder_;
    std::string name_;
    std::string refusal_;
};

} // namespace host
