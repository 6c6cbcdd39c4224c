// The profile's store of the component's settings: one file per component,
// <module name>.cfg in the profile folder, holding the blob the component
// saved. Saving writes a temporary file and renames it over the old one, so a
// crash leaves either the old store or the new one.
#pragma once

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
    explicit store(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // Makes the profile folder when it is missing. Returns an empty text when
    // the folder can hold the store, otherwise why not, in a few words.
    std::string make_folder() const;
    const std::filesystem::path& folder() const { return folder_; }

    // Chooses the file of the component called `module_name`.
    void use(const std::string& module_name) { file_name_ = module_name + ".cfg"; }
    const std::string& file_name() const { return file_name_; }

    struct reading {
        std::optional<std::vector<std::uint8_t>> bytes; // none when nothing is stored
        std::string report;                             // one line for the user
    };
    // Reads the store, or says there is no folder to read. A damaged one is moved aside, not
    // overwritten later, and its bytes are still returned for the component to read what it can.
    reading read();

    // Saves `blob`; returns an empty text on success, otherwise what went wrong.
    std::string save(const std::vector<std::uint8_t>& blob);

    // The store byte by byte, and the damaged stores kept aside.
    std::vector<std::string> listing() const;

private:
    std::filesystem::path file() const { return folder_ / file_name_; }
    // The name of the `n`th damaged store kept aside (counting from 1):
    // <file>.damaged, then <file>.damaged.2 and on.
    std::string aside_name(int n) const;
    // Where the next damaged store goes: the first of those names not taken.
    std::filesystem::path free_aside_path() const;

    std::filesystem::path folder_;
    std::string file_name_ = "relayvo.cfg";
};

} // namespace host
