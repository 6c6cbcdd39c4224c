#include "tests/settings/loaded_component.h"

#include "utf8api/utf8api.h"

#include <cstring>

namespace settings_testing {

namespace {

class collecting_sink final : public quorvel::config_sink {
public:
    void write(const void* bytes, std::uint32_t length) override {
        auto* b = static_cast<const std::uint8_t*>(bytes);
        data.insert(data.end(), b, b + length);
    }
    std::vector<std::uint8_t> data;
};

void put_u32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

std::uint32_t get_u32(const std::vector<std::uint8_t>& in, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= std::uint32_t{in[at + i]} << (8 * i);
    return v;
}

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
    collecting_sink sink;
    client_->save_configuration(sink);
    std::map<std::string, std::vector<std::uint8_t>> values;
    for (std::size_t at = 0; at < sink.data.size();) {
        std::uint32_t k = get_u32(sink.data, at);
        std::string key(sink.data.begin() + at + 4, sink.data.begin() + at + 4 + k);
        std::uint32_t v = get_u32(sink.data, at + 4 + k);
        auto value = sink.data.begin() + at + 8 + k;
        values[key].assign(value, value + v);
        at += 8 + k + v;
    }
    return values;
}

void loaded_component::load_int(const std::string& key, std::int32_t value) {
    std::vector<std::uint8_t> blob;
    put_u32(blob, static_cast<std::uint32_t>(key.size()));
    blob.insert(blob.end(), key.begin(), key.end());
    put_u32(blob, 4);
    put_u32(blob, static_cast<std::uint32_t>(value));
    client_->load_configuration(blob.data(), static_cast<std::uint32_t>(blob.size()));
}

HWND loaded_component::open_page() {
    HWND window = page_->create_window(preferences_.window());
    if (window) windows_.push_back(window);
    rebuilds(); // filling the group name field on opening counts as a change
    return window;
}

} // namespace settings_testing
