#include "tests/settings/loaded_component.h"

#include "tests/support/config_bytes.h"
#include "utf8api/utf8api.h"

namespace settings_testing {

loaded_component::loaded_component(const std::string& path) {
    host.add_playlist("Rock", 3);
    host.add_playlist("Jazz", 3);
    host.active = -1;
    component_.emplace(path, host);
    if (!error().empty()) return;
    for (std::uint32_t i = 0; i < host.playlists.size(); ++i) {
        const std::string& name = host.playlists[i].name;
        component_->watcher().on_playlist_created(i, name.c_str(),
                                                  static_cast<std::uint32_t>(name.size()));
    }
    host.take_calls();
}

loaded_component::~loaded_component() {
    for (HWND w : windows_)
        DestroyWindow(w);
}

std::string loaded_component::label(std::uint32_t index) {
    testing_support::string_buffer out;
    testing_support::handle_vector handles({testing_support::track(1)}); // so that it is shown
    std::uint32_t flags = 0;
    if (!component_->index_commands().display_text_for(index, handles, out, flags,
                                                       quorvel::caller_none))
        return "(hidden)";
    return out.text;
}

long loaded_component::rebuilds() {
    return testing_support::rebuilds_in(host.take_calls());
}

std::vector<std::uint8_t> loaded_component::saved_blob() {
    config_support::recording_sink sink;
    component_->client().save_configuration(sink);
    return sink.bytes_written;
}

std::map<std::string, std::vector<std::uint8_t>> loaded_component::saved() {
    std::map<std::string, std::vector<std::uint8_t>> values;
    auto records = config_support::split_records(saved_blob());
    for (const config_support::record& r : records.value_or(std::vector<config_support::record>{}))
        values[r.key] = r.value;
    return values;
}

void loaded_component::load(const std::vector<std::uint8_t>& blob) {
    component_->client().load_configuration(blob.data(), static_cast<std::uint32_t>(blob.size()));
}

void loaded_component::load_int(const std::string& key, std::int32_t value) {
    load(config_support::blob_builder().int_record(key, value).data);
}

HWND loaded_component::open_page() {
    HWND window = page().create_window(preferences_.window());
    if (window) windows_.push_back(window);
    return window;
}

void loaded_component::close_page(HWND window) {
    std::erase(windows_, window);
    DestroyWindow(window);
}

} // namespace settings_testing
