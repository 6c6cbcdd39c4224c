#include "tests/support/fake_host.h"

#include "utf8api/utf8api.h"

#include <algorithm>
#include <cstdio>

namespace testing_support {

namespace {

// How the record names a class: the contract's by a short name, any other
// by the first field of its guid.
std::string class_name(const quorvel::guid& cls) {
    if (cls == quorvel::playlist_roster_class) return "roster";
    if (cls == quorvel::active_playlist_class) return "active";
    if (cls == quorvel::command_source_class) return "command_source";
    if (cls == quorvel::command_source_ext) return "ext";
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(cls.data1));
    return hex;
}

// Writes down `call` with the name of `cls` and `args`, when recording; the
// name is made only then.
template <class... Args>
void note_class(fake_host& host, const char* call, const quorvel::guid& cls, const Args&... args) {
    if (host.recording_calls()) host.note(call, class_name(cls), args...);
}

} // namespace

template <class Interface>
int fake_service<Interface>::release() {
    return host_.note_returning(1, "release");
}

template <class Interface>
int fake_service<Interface>::add_ref() {
    return host_.note_returning(1, "add_ref");
}

template <class Interface>
quorvel::service_object* fake_service<Interface>::query(const quorvel::guid& cls) {
    note_class(host_, "query", cls);
    return nullptr;
}

template class fake_service<quorvel::playlist_roster>;
template class fake_service<quorvel::active_playlist>;
template class fake_service<quorvel::command_source>;

quorvel::guid test_guid(std::uint32_t n) {
    return {0x7E570000u + n, 0x1234, 0x5678, {1, 2, 3, 4, 5, 6, 7, static_cast<std::uint8_t>(n)}};
}

long rebuilds_in(const call_log& calls) {
    long rebuilds = 0;
    for (auto call = calls.begin(); call != calls.end(); ++call) {
        if (*call != "playlist_name 0") continue;
        auto next = std::find_if(call + 1, calls.end(),
                                 [](const std::string& c) { return c != "find_service roster 0"; });
        if (next != calls.end() && *next == "active_index") ++rebuilds;
    }
    return rebuilds;
}

std::int32_t fake_roster::unused_4(std::uint32_t) {
    return host_.note_returning(0, "unused_4");
}

bool fake_roster::playlist_name(std::uint32_t index, quorvel::text_buffer& out) {
    host_.note("playlist_name", index);
    if (index >= host_.playlists.size()) return false;
    out.assign(host_.playlists[index].name.c_str(), quorvel::unbounded);
    return true;
}

bool fake_roster::unused_6(std::uint32_t) {
    return host_.note_returning(false, "unused_6");
}

std::int32_t fake_roster::playlist_item_count(std::uint32_t index) {
    host_.note("playlist_item_count", index);
    if (index >= host_.playlists.size()) return -1;
    const fake_playlist& list = host_.playlists[index];
    return list.roster_count.value_or(static_cast<std::int32_t>(list.items.size()));
}

std::int32_t fake_roster::unused_8() {
    return host_.note_returning(0, "unused_8");
}

std::int32_t fake_roster::active_index() {
    return host_.note_returning(host_.active, "active_index");
}

bool fake_roster::activate(std::uint32_t index) {
    host_.note("activate", index);
    if (host_.fail_activate || index >= host_.playlists.size()) return false;
    host_.active = static_cast<std::int32_t>(index);
    return true;
}

std::int32_t fake_active_playlist::item_count() {
    host_.note("item_count");
    return host_.active < 0 ? -1 : static_cast<std::int32_t>(host_.active_list().items.size());
}

std::int32_t fake_active_playlist::unused(const char* slot) {
    return host_.note_returning(0, slot);
}

bool fake_active_playlist::remove_masked(const quorvel::index_mask& mask) {
    host_.note("remove_masked");
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
    host_.note("insert_handles", a, b, c, d);
    if (host_.active < 0) return 0;
    std::vector<void*>& items = host_.active_list().items;
    for (std::uint32_t i = 0, count = handles.count(); i < count; ++i)
        items.push_back(handles.get(i));
    return static_cast<std::int32_t>(handles.count());
}

fake_command_source::fake_command_source(fake_host& host, std::uint32_t kind,
                                         std::vector<quorvel::guid> commands, bool answers_ext)
    : fake_service(host), commands(std::move(commands)), kind(kind), answers_ext(answers_ext) {}

quorvel::service_object* fake_command_source::query(const quorvel::guid& cls) {
    note_class(host_, "query", cls);
    return cls == quorvel::command_source_ext && answers_ext ? this : nullptr;
}

std::uint32_t fake_command_source::default_state(std::uint32_t i) {
    return host_.note_returning(quorvel::state_on, "default_state", i);
}

std::uint32_t fake_command_source::menu_kind() {
    return host_.note_returning(kind, "menu_kind");
}

std::uint32_t fake_command_source::command_count() {
    return host_.note_returning(static_cast<std::uint32_t>(commands.size()), "command_count");
}

void fake_command_source::command_path(std::uint32_t i, quorvel::text_buffer&) {
    host_.note("command_path", i);
}

bool fake_command_source::display_text(std::uint32_t i, quorvel::handle_list&,
                                       quorvel::text_buffer&, std::uint32_t&) {
    return host_.note_returning(false, "display_text", i);
}

void fake_command_source::execute(std::uint32_t index, quorvel::handle_list& handles) {
    host_.note("execute", index);
    run(index, handles, quorvel::caller_none);
}

bool fake_command_source::unnamed_10(std::uint32_t i, quorvel::text_buffer&) {
    return host_.note_returning(false, "unnamed_10", i);
}

std::uint32_t fake_command_source::unnamed_11(std::uint32_t i) {
    return host_.note_returning(0u, "unnamed_11", i);
}

bool fake_command_source::display_text_for(std::uint32_t i, quorvel::handle_list&,
                                           quorvel::text_buffer&, std::uint32_t&,
                                           const quorvel::guid&) {
    return host_.note_returning(false, "display_text_for", i);
}

void fake_command_source::execute_for(std::uint32_t index, quorvel::handle_list& handles,
                                      const quorvel::guid& caller) {
    host_.note("execute_for", index);
    run(index, handles, caller);
}

bool fake_command_source::command_guid(std::uint32_t index, quorvel::guid& out) {
    host_.note("command_guid", index);
    if (index >= commands.size()) return false;
    out = commands[index];
    return true;
}

bool fake_command_source::unnamed_15(std::uint32_t i, quorvel::text_buffer&) {
    return host_.note_returning(false, "unnamed_15", i);
}

void fake_command_source::execute_step(std::uint32_t i, quorvel::handle_list&,
                                       const quorvel::guid&) {
    host_.note("execute_step", i);
}

bool fake_command_source::display_step(std::uint32_t i, quorvel::handle_list&,
                                       quorvel::text_buffer&, std::uint32_t&,
                                       const quorvel::guid&) {
    return host_.note_returning(false, "display_step", i);
}

void fake_command_source::run(std::uint32_t index, quorvel::handle_list& handles,
                              const quorvel::guid& caller) {
    ++executions;
    executed_index = index;
    executed_caller = caller;
    executed_handle_count = handles.count();
    const char* label = uCallStackTracker_top();
    executed_label = label ? label : "";
    if (on_execute) on_execute(handles);
    if (index < commands.size() && commands[index] == quorvel::remove_selection_command)
        host_.remove_selection();
}

fake_host::fake_host(recording mode) : call_recorder(mode), roster(*this), active_service(*this) {}

quorvel::service_object* fake_host::find_service(const quorvel::guid& cls, std::uint32_t index) {
    // The roster and the active playlist answer first and at once: they are
    // what a rebuild asks for, over and over.
    if (!recording_calls() && served_.empty()) {
        if (cls == quorvel::playlist_roster_class && index == 0) return &roster;
        if (cls == quorvel::active_playlist_class && index == 0) return &active_service;
    }
    return any_service(cls, index);
}

quorvel::service_object* fake_host::any_service(const quorvel::guid& cls, std::uint32_t index) {
    note_class(*this, "find_service", cls, index);
    for (const auto& [served_class, services] : served_)
        if (served_class == cls) return index < services.size() ? services[index] : nullptr;
    if (cls == quorvel::playlist_roster_class) return index == 0 ? &roster : nullptr;
    if (cls == quorvel::active_playlist_class) return index == 0 ? &active_service : nullptr;
    if (cls == quorvel::command_source_class && index < sources_.size()) return sources_[index];
    return nullptr;
}

void fake_host::serve(const quorvel::guid& cls, std::vector<quorvel::service_object*> services) {
    for (auto& [served_class, list] : served_)
        if (served_class == cls) {
            list = std::move(services);
            return;
        }
    served_.emplace_back(cls, std::move(services));
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

} // namespace testing_support
