#include "tests/settings/loaded_component.h"

#include "tests/support/config_bytes.h"
#include "utf8api/utf8api.h"

#include <cstring>

namespace settings_testing {

namespace {

// A single-item handle list, so that commands are shown.
class one_handle final : public quorvel::pointer_list {
public:
    std::uint32_t count() override { return 1; }
    void* get(std::uint32_t) override { return this; }
    void* remove_at(std::uint32_t) override { return this; }
    void filter(const quorvel::index_mask&) override {}
    void insert(void*, std::uint32_t) override {}
};

} // namespace

quorvel::service_object* counting_host::find_service(const quorvel::guid& cls,
                                                     std::uint32_t index) {
    return cls == quorvel::playlist_roster_class && index == 0 ? this : nullptr;
}

bool counting_host::playlist_name(std::uint32_t index, quorvel::text_buffer& out) {
    if (index >= names.size()) return false;
    out.assign(names[index].c_str(), quorvel::unbounded);
    return true;
}

loaded_component::loaded_component(const std::string& path) {
    host.names = {"Rock", "Jazz"};
    error_ = library_.open(path);
    if (!error_.empty()) return;
    client_ = library_.entry()(&host, library_.module());
    for (quorvel::service_entry* e = client_->first_service_entry(); e; e = e->next) {
        quorvel::service_object* s = e->create_instance();
        if (e->class_guid == quorvel::settings_page_class)
            page_ = static_cast<quorvel::settings_page*>(s);
        if (e->class_guid == quorvel::command_source_class)
            index_commands_ = static_cast<quorvel::command_source*>(s); // the last one is by index
        if (e->class_guid == quorvel::playlist_watcher_class)
            for (std::uint32_t i = 0; i < host.names.size(); ++i)
                static_cast<quorvel::playlist_watcher*>(s)->on_playlist_created(
                    i, host.names[i].c_str(), static_cast<std::uint32_t>(host.names[i].size()));
    }
    seen_calls_ = host.active_index_calls;
}

loaded_component::~loaded_component() {
    for (HWND w : windows_)
        DestroyWindow(w);
}

std::string loaded_component::label(std::uint32_t index) {
    host::string_buffer out;
    one_handle handles;
    std::uint32_t flags = 0;
    if (!index_commands_->display_text_for(index, handles, out, flags, quorvel::caller_none))
        return "(hidden)";
    return out.text;
}

int loaded_component::rebuilds() {
    int calls = host.active_index_calls - seen_calls_;
    seen_calls_ = host.active_index_calls;
    return calls / static_cast<int>(host.names.size());
}

std::map<std::string, std::vector<std::uint8_t>> loaded_component::saved() {
    config_support::recording_sink sink;
    client_->save_configuration(sink);
    std::map<std::string, std::vector<std::uint8_t>> values;
    auto records = config_support::split_records(sink.bytes_written);
    for (const config_support::record& r : records.value_or(std::vector<config_support::record>{}))
        values[r.key] = r.value;
    return values;
}

void loaded_component::load_int(const std::string& key, std::int32_t value) {
    config_support::bytes blob = config_support::blob_builder().int_record(key, value).data;
    client_->load_configuration(blob.data(), static_cast<std::uint32_t>(blob.size()));
}

HWND loaded_component::open_page() {
    HWND window = page_->create_window(preferences_.window());
    if (window) windows_.push_back(window);
    rebuilds(); // filling the group name field on opening counts as a change
    return window;
}

} // namespace settings_testing
