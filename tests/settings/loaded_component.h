// The component loaded through its export, as a host loads it, with the
// test kit's host recording the calls a rebuild makes.
#pragma once

#include "host/session/preferences_frame.h"
#include "tests/support/fake_host.h"
#include "tests/support/hosted_component.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace settings_testing {

// The library loaded with a host of two playlists of three tracks, neither
// active, announced to its watcher.
class loaded_component {
public:
    loaded_component() : loaded_component(RELAYVO_LIBRARY) {}
    explicit loaded_component(const std::string& path);
    ~loaded_component();

    // The load error, empty when the component is usable.
    const std::string& error() const { return component_->error(); }
    quorvel::settings_page& page() { return component_->page(); }
    // The label of by-index command `index`, as the context menu shows it.
    std::string label(std::uint32_t index);
    // Rebuilds counted since construction or the last call.
    long rebuilds();
    // The saved value bytes of each variable, by key.
    std::map<std::string, std::vector<std::uint8_t>> saved();
    // The whole blob a save writes.
    std::vector<std::uint8_t> saved_blob();
    // Hands `blob` to the component as the stored configuration.
    void load(const std::vector<std::uint8_t>& blob);
    // Loads a blob holding one 4-byte record.
    void load_int(const std::string& key, std::int32_t value);
    // Creates a page window and remembers it for destruction.
    HWND open_page();
    // Destroys a window open_page made, as the host does when the page closes.
    void close_page(HWND window);

    testing_support::fake_host host{testing_support::recording::on};

private:
    std::optional<testing_support::hosted_component>
        component_; // loaded once the host has playlists
    std::vector<HWND> windows_;
    host::preferences_frame preferences_; // the parent of the pages
};

} // namespace settings_testing
