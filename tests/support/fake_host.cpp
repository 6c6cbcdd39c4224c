#include "tests/support/fake_host.h"

#include "commands/entry_table.h"
#include "config/variables.h"
#include "frame/host.h"
#include "frame/version_record.h"
#include "utf8api/utf8api.h"

#include <algorithm>
#include <cstring>

namespace testing_support {

namespace {

std::string num(std::int64_t value) {
    return std::to_string(value);
}

// The short name of a class guid in the log.
std::string class_name(const quorvel::guid& cls) {
    if (cls == quorvel::playlist_roster_class) return "roster";
    if (cls == quorvel::active_playlist_class) return "active";
    if (cls == quorvel::command_source_class) return "command_source";
    if (cls == quorvel::command_source_ext) return "ext";
    return "other";
}

std::string bounded(const char* src, std::uint32_t max_len) {
    return src ? std::string(src, ::strnlen(src, max_len)) : std::string();
}

} // namespace

quorvel::guid test_guid(std::uint32_t n) {
    return {0x7E570000u + n, 0x1234, 0x5678, {1, 2, 3, 4, 5, 6, 7, static_cast<std::uint8_t>(n)}};
}

void* handle_vector::remove_at(std::uint32_t index) {
    void* item = items.at(index);
    items.erase(items.begin() + index);
    return item;
}

void handle_vector::filter(const quorvel::index_mask& mask) {
    std::vector<void*> kept;
    for (std::uint32_t i = 0; i < items.size(); ++i)
        if (mask.get(i)) kept.push_back(items[i]);
    items = std::move(kept);
}

void handle_vector::insert(void* item, std::uint32_t index) {
    items.insert(items.begin() + std::min<std::size_t>(index, items.size()), item);
}

void string_buffer::append(const char* src, std::uint32_t max_len) {
    text += bounded(src, max_len);
}

void string_buffer::assign(const char* src, std::uint32_t max_len) {
    text = bounded(src, max_len);
}

void string_buffer::truncate(std::uint32_t n) {
    if (n < text.size()) text.resize(n);
}

fake_roster::fake_roster(fake_host& host) : host_(host), log_(host.calls) {}

quorvel::service_object* fake_roster::query(const quorvel::guid& cls) {
    return logged<quorvel::service_object*>(log_, "query " + class_name(cls), nullptr);
}

bool fake_roster::playlist_name(std::uint32_t index, quorvel::text_buffer& out) {
    log_.push_back("playlist_name " + num(index));
    if (index >= host_.playlists.size()) return false;
    out.assign(host_.playlists[index].name.c_str(), quorvel::unbounded);
    return true;
}

std::int32_t fake_roster::playlist_item_count(std::uint32_t index) {
    log_.push_back("playlist_item_count " + num(index));
    if (index >= host_.playlists.size()) return -1;
    const fake_playlist& list = host_.playlists[index];
    return list.roster_count.value_or(static_cast<std::int32_t>(list.items.size()));
}

std::int32_t fake_roster::active_index() {
    return logged(log_, "active_index", host_.active);
}

bool fake_roster::activate(std::uint32_t index) {
    log_.push_back("activate " + num(index));
    if (host_.fail_activate || index >= host_.playlists.size()) return false;
    host_.active = static_cast<std::int32_t>(index);
    return true;
}

fake_active_playlist::fake_active_playlist(fake_host& host) : host_(host), log_(host.calls) {}

quorvel::service_object* fake_active_playlist::query(const quorvel::guid& cls) {
    return logged<quorvel::service_object*>(log_, "query " + class_name(cls), nullptr);
}

std::int32_t fake_active_playlist::item_count() {
    log_.push_back("item_count");
    return host_.active < 0 ? -1 : static_cast<std::int32_t>(host_.active_list().items.size());
}

bool fake_active_playlist::remove_masked(const quorvel::index_mask& mask) {
    log_.push_back("remove_masked");
    if (host_.active < 0) return false;
    std::vector<void*>& items = host_.active_list().items;
    // Probe past the end too, so that an empty playlist still shows what the mask selects.
    auto probe = static_cast<std::uint32_t>(std::max<std::size_t>(items.size(), 16));
    last_mask_selected_all = mask.find(false, 0, probe) == probe && mask.find(true, 0, probe) == 0;
    for (std::uint32_t i = 0; i < probe; ++i)
        last_mask_selected_all &= mask.get(i);
    std::vector<void*> kept;
    for (std::uint32_t i = 0; i < items.size(); ++i)
        if (!mask.get(i)) kept.push_back(items[i]);
    items = std::move(kept);
    return true;
}

std::int32_t fake_active_playlist::insert_handles(quorvel::pointer_list& handles, std::int32_t a,
                                                  std::int32_t b, std::int32_t c, std::int32_t d) {
    log_.push_back("insert_handles " + num(a) + " " + num(b) + " " + num(c) + " " + num(d));
    if (host_.active < 0) return 0;
    std::vector<void*>& items = host_.active_list().items;
    for (std::uint32_t i = 0, count = handles.count(); i < count; ++i)
        items.push_back(handles.get(i));
    return static_cast<std::int32_t>(handles.count());
}

fake_command_source::fake_command_source(fake_host& host, std::uint32_t kind,
                                         std::vector<quorvel::guid> commands, bool answers_ext)
    : commands(std::move(commands)), kind(kind), answers_ext(answers_ext), host_(host),
      log_(host.calls) {}

quorvel::service_object* fake_command_source::query(const quorvel::guid& cls) {
    bool answers = cls == quorvel::command_source_ext && answers_ext;
    return logged<quorvel::service_object*>(log_, "query " + class_name(cls),
                                            answers ? this : nullptr);
}

std::uint32_t fake_command_source::command_count() {
    return logged(log_, "command_count", static_cast<std::uint32_t>(commands.size()));
}

void fake_command_source::execute(std::uint32_t index, quorvel::handle_list& handles) {
    log_.push_back("execute " + num(index));
    run(index, handles, quorvel::caller_none);
}

void fake_command_source::execute_for(std::uint32_t index, quorvel::handle_list& handles,
                                      const quorvel::guid& caller) {
    log_.push_back("execute_for " + num(index));
    run(index, handles, caller);
}

bool fake_command_source::command_guid(std::uint32_t index, quorvel::guid& out) {
    log_.push_back("command_guid " + num(index));
    if (index >= commands.size()) return false;
    out = commands[index];
    return true;
}

void fake_command_source::run(std::uint32_t index, quorvel::handle_list& handles,
                              const quorvel::guid& caller) {
    ++executions;
    executed_index = index;
    executed_caller = caller;
    executed_handle_count = handles.count();
    const char* label = uCallStackTracker_top();
    executed_label = label ? label : "";
    if (index < commands.size() && commands[index] == quorvel::remove_selection_command)
        host_.remove_selection();
}

void fake_config_sink::write(const void* data, std::uint32_t length) {
    log_.push_back("write " + num(length));
    const auto* first = static_cast<const std::uint8_t*>(data);
    bytes.insert(bytes.end(), first, first + length);
}

fake_host::fake_host() : roster(*this), active_service(*this), sink(calls) {}

quorvel::service_object* fake_host::find_service(const quorvel::guid& cls, std::uint32_t index) {
    calls.push_back("find_service " + class_name(cls) + " " + num(index));
    if (cls == quorvel::playlist_roster_class) return index == 0 ? &roster : nullptr;
    if (cls == quorvel::active_playlist_class) return index == 0 ? &active_service : nullptr;
    if (cls == quorvel::command_source_class && index < sources_.size()) return sources_[index];
    return nullptr;
}

fake_playlist& fake_host::add_playlist(std::string name, std::uint32_t items) {
    fake_playlist& list = playlists.emplace_back();
    list.name = std::move(name);
    for (std::uint32_t i = 0; i < items; ++i)
        list.items.push_back(track(next_track_++));
    if (active < 0) active = 0;
    return list;
}

void fake_host::remove_selection() {
    if (active < 0) return;
    std::erase_if(active_list().items, [&](void* item) {
        return std::find(selection.begin(), selection.end(), item) != selection.end();
    });
    selection.clear();
}

fake_command_source& fake_host::add_source(std::uint32_t kind, std::vector<quorvel::guid> commands,
                                           bool answers_ext) {
    own_sources_.push_back(
        std::make_unique<fake_command_source>(*this, kind, std::move(commands), answers_ext));
    sources_.push_back(own_sources_.back().get());
    return *own_sources_.back();
}

call_log fake_host::take_calls() {
    call_log taken = std::move(calls);
    calls.clear();
    return taken;
}

void connect_component(fake_host& host) {
    for (relayvo::config_int* flag :
         {&relayvo::add_total, &relayvo::replace, &relayvo::add_index, &relayvo::use_custom_group,
          &relayvo::force_on, &relayvo::show_numbers, &relayvo::move_files})
        flag->value = 0;
    relayvo::cust_group_name.set_text(relayvo::component_name_text);
    disconnect_component();
    relayvo::entries.name_paths_enabled = false;
    relayvo::connect_host(&host, nullptr);
}

void disconnect_component() {
    relayvo::clear_entries(relayvo::entries.index_labels);
    relayvo::clear_entries(relayvo::entries.name_paths);
    relayvo::playlist_count = 0;
    relayvo::forget_active_playlist();
    relayvo::connect_host(nullptr, nullptr);
}

} // namespace testing_support
