// The component loaded through its export, as a host loads it, with a small
// host of N playlists that counts the calls a rebuild makes.
#pragma once

#include "frame/commands.h"
#include "frame/playlists.h"
#include "frame/settings_page.h"
#include "host/services/string_buffer.h"
#include "host/session/component_library.h"
#include "host/session/preferences_frame.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace settings_testing {

// A host with a fixed list of playlists; every roster call is counted.
class counting_host final : public quorvel::host_api, public quorvel::playlist_roster {
public:
    quorvel::service_object* find_service(const quorvel::guid& cls, std::uint32_t index) override;

    int release() override { return 1; }
    int add_ref() override { return 1; }
    quorvel::service_object* query(const quorvel::guid&) override { return nullptr; }
    std::int32_t unused_4(std::uint32_t) override { return 0; }
    bool playlist_name(std::uint32_t index, quorvel::text_buffer& out) override;
    bool unused_6(std::uint32_t) override { return false; }
    std::int32_t playlist_item_count(std::uint32_t) override { return 3; }
    std::int32_t unused_8() override { return 0; }
    std::int32_t active_index() override {
        ++active_index_calls;
        return -1;
    }
    bool activate(std::uint32_t) override { return false; }

    std::vector<std::string> names;
    int active_index_calls = 0; // one per playlist per rebuild
};

// The library loaded with a host of two playlists announced to its watcher.
class loaded_component {
public:
    loaded_component() : loaded_component(RELAYVO_LIBRARY) {}
    explicit loaded_component(const std::string& path);
    ~loaded_component();

    // The load error, empty when the component is usable.
    const std::string& error() const { return error_; }
    quorvel::settings_page& page() { return *page_; }
    // The label of by-index command `index`, as the context menu shows it.
    std::string label(std::uint32_t index);
    // Rebuilds counted since construction or the last call.
    int rebuilds();
    // The saved value bytes of each variable, by key.
    std::map<std::string, std::vector<std::uint8_t>> saved();
    // Loads a blob holding one 4-byte record.
    void load_int(const std::string& key, std::int32_t value);
    // Creates a page window, remembers it for destruction, and starts the
    // count of rebuilds afresh.
    HWND open_page();

    counting_host host;

private:
    host::component_library library_;
    std::string error_;
    quorvel::component_client* client_ = nullptr;
    quorvel::settings_page* page_ = nullptr;
    quorvel::command_source* index_commands_ = nullptr;
    std::vector<HWND> windows_;
    host::preferences_frame preferences_; // the parent of the pages
    int seen_calls_ = 0;
};

} // namespace settings_testing
