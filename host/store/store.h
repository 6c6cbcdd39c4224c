// The profile's store of the component's settings: one file per component,
// <module name>.cfg in the profile folder, holding the blob the component
// saved, kept as every file of the profile is (store/profile_file.h).
#pragma once

#include "store/profile_file.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace host {

// Whether `blob` is made of whole records (4-byte key length, key, 4-byte
// value length, value; little-endian) that tile it exactly. Returns an empty
// text when they do, otherwise what is wrong, in a few words.
std::string check_records(const std::vector<std::uint8_t>& blob);
// The number of whole records at the start of `blob`.
std::size_t count_records(const std::vector<std::uint8_t>& blob);

// The profile folder used when none is given: quorvel/ under $XDG_CONFIG_HOME,
// else under ~/.config.
std::filesystem::path default_profile();

class store {
public:
    explicit store(std::filesystem::path folder) : file_(std::move(folder), "relayvo.cfg") {}

    const std::filesystem::path& folder() const { return file_.folder(); }

    // Chooses the file of the component called `module_name`.
    void use(const std::string& module_name) { file_.rename(module_name + ".cfg"); }
    const std::string& file_name() const { return file_.name(); }

    struct reading {
        std::optional<std::vector<std::uint8_t>> bytes; // none when nothing is stored
        std::string report; // one line for the user; empty without a profile folder
    };
    // Reads the store. A damaged one is moved aside, not overwritten later, and its bytes are
    // still returned for the component to read what it can. One that cannot be read is left
    // as it is, and saves are refused for the rest of the run.
    reading read();

    // Refuses every save from now on, for `reason`, which the user has been told.
    void refuse(std::string reason) { file_.refuse(std::move(reason)); }
    // Whether saves are refused for a reason the user has been told.
    bool refused() const { return !file_.refusal().empty(); }

    // Saves `blob`; returns an empty text on success, otherwise one line on
    // what went wrong, with the path and the reason.
    std::string save(const std::vector<std::uint8_t>& blob) { return file_.write(blob); }

    // Copies the store beside it, as profile_file::copy_beside does.
    std::string copy_beside(const std::string& suffix, std::string& problem) const {
        return file_.copy_beside(suffix, problem);
    }

    // The store byte by byte, and the damaged stores kept aside.
    std::vector<std::string> listing() const;

private:
    profile_file file_;
};

} // namespace host
