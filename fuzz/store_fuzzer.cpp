// The stand-in host's store reader on arbitrary file contents: a store made of
// whole records is read as it is; any other is reported as damaged, kept aside
// under its own name, and its bytes still handed over. The listing shows
// either. The same bytes as the playlist file are read as playlists, repaired
// where they can be, or kept aside as damaged, with the host's own playlists
// kept; playlists read are saved and read back as they are. Nothing crashes.
#include "fuzz/scratch_folder.h"
#include "host/store/playlist_file.h"
#include "host/store/store.h"
#include "tests/support/config_bytes.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

void require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "store_fuzzer: %s\n", what);
    std::abort();
}

const fs::path& profile() {
    return fuzzing::scratch_folder("store_fuzzer");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> stored(data, data + size);
    fs::remove(profile() / "relayvo.cfg.damaged");
    std::ofstream(profile() / "relayvo.cfg", std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    host::store store(profile());
    host::store::reading r = store.read();
    require(r.bytes == stored, "the store's bytes are not handed over as they are");
    bool whole = config_support::split_records(stored).has_value();
    require(host::check_records(stored).empty() == whole, "a damaged store is taken as whole");
    require(!whole || host::count_records(stored) == config_support::split_records(stored)->size(),
            "the records of a whole store are miscounted");
    require(r.report.find(whole ? " read, " : " is damaged (") != std::string::npos,
            "the report does not say whether the store is whole");
    require(fs::exists(profile() / "relayvo.cfg") == whole,
            "a damaged store is not moved aside, or a whole one is");
    require(whole || fs::exists(profile() / "relayvo.cfg.damaged"),
            "a damaged store is not kept aside");

    std::vector<std::string> listing = store.listing();
    require(!listing.empty(), "the listing is empty");

    fs::remove(profile() / "playlists.json.damaged");
    std::ofstream(profile() / "playlists.json", std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    host::playlist_file playlists(profile());
    host::playlist_model model;
    std::vector<std::string> report = playlists.load(model);
    bool kept = fs::exists(profile() / "playlists.json");
    for (const std::string& line : report)
        require(line.rfind("playlists.json: ", 0) == 0, "a line does not name the file");
    require(kept || report.size() == 1, "damaged playlists are not said in one line");
    require(kept || fs::exists(profile() / "playlists.json.damaged"),
            "damaged playlists are not kept aside");
    require(kept || (model.count() == 1 && model.at(0).name == "Default"),
            "damaged playlists changed the host's own");
    require(model.count() > 0, "the host was left without a playlist");
    require(model.active() < model.count() || model.active() == host::playlist_model::none,
            "the active playlist is not one of them");
    if (!kept) return 0;

    std::size_t written = 0;
    require(playlists.save(model, written).empty(), "the playlists read cannot be saved");
    host::playlist_model again;
    require(playlists.load(again).empty(), "saved playlists need repairs");
    require(again.count() == model.count() && again.active() == model.active(),
            "saved playlists do not come back as they were");
    for (std::size_t i = 0; i < model.count(); ++i) {
        require(again.at(i).name == model.at(i).name, "a name does not come back byte for byte");
        require(again.at(i).items.size() == model.at(i).items.size(), "tracks are lost");
        for (std::size_t t = 0; t < model.at(i).items.size(); ++t)
            require(again.at(i).items[t]->title == model.at(i).items[t]->title,
                    "a title does not come back byte for byte");
    }
    return 0;
}
