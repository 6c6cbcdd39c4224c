// A host for unit tests and benchmarks: an in-memory model of playlists behind
// the roster and active playlist services, command sources of its own and a
// config sink. Every call the component makes on them is logged in order as a
// short text ("find_service roster 0", "playlist_name 3", "activate 1", ...),
// so a test can compare whole call sequences.
#pragma once

#include "frame/client.h"
#include "frame/commands.h"
#include "frame/playlists.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

using call_log = std::vector<std::string>;

// Logs `call` and returns `result`.
template <class T>
T logged(call_log& log, std::string call, T result) {
    log.push_back(std::move(call));
    return result;
}

// A track handle: distinct for each n, never dereferenced.
inline void* track(std::uintptr_t n) {
    return reinterpret_cast<void*>(n);
}
// A command guid: distinct for each n, and unlike every guid of the host contract.
quorvel::guid test_guid(std::uint32_t n);

// The host's list of selected tracks.
class handle_vector final : public quorvel::pointer_list {
public:
    handle_vector() = default;
    explicit handle_vector(std::vector<void*> items) : items(std::move(items)) {}
    std::uint32_t count() override { return static_cast<std::uint32_t>(items.size()); }
    void* get(std::uint32_t index) override { return items.at(index); }
    void* remove_at(std::uint32_t index) override;
    void filter(const quorvel::index_mask& mask) override;
    void insert(void* item, std::uint32_t index) override;

    std::vector<void*> items;
};

// A text the host hands over to be filled.
class string_buffer final : public quorvel::text_buffer {
public:
    string_buffer() = default;
    explicit string_buffer(std::string text) : text(std::move(text)) {}
    const char* get_text() override { return text.c_str(); }
    void append(const char* src, std::uint32_t max_len) override;
    void assign(const char* src, std::uint32_t max_len) override;
    void truncate(std::uint32_t n) override;
    std::uint32_t length() override { return static_cast<std::uint32_t>(text.size()); }

    std::string text;
};

struct fake_playlist {
    std::string name;
    std::vector<void*> items;
    // What the roster reports as the item count instead of the real one.
    std::optional<std::int32_t> roster_count;
};

class fake_host;

class fake_roster final : public quorvel::playlist_roster {
public:
    explicit fake_roster(fake_host& host);
    int release() override { return logged(log_, "release", 1); }
    int add_ref() override { return logged(log_, "add_ref", 1); }
    quorvel::service_object* query(const quorvel::guid&) override;
    std::int32_t unused_4(std::uint32_t) override { return logged(log_, "unused_4", 0); }
    bool playlist_name(std::uint32_t index, quorvel::text_buffer& out) override;
    bool unused_6(std::uint32_t) override { return logged(log_, "unused_6", false); }
    std::int32_t playlist_item_count(std::uint32_t index) override;
    std::int32_t unused_8() override { return logged(log_, "unused_8", 0); }
    std::int32_t active_index() override;
    bool activate(std::uint32_t index) override;

private:
    fake_host& host_;
    call_log& log_;
};

// Acts on whichever playlist of the model is active at the time of the call.
class fake_active_playlist final : public quorvel::active_playlist {
public:
    explicit fake_active_playlist(fake_host& host);
    int release() override { return logged(log_, "release", 1); }
    int add_ref() override { return logged(log_, "add_ref", 1); }
    quorvel::service_object* query(const quorvel::guid&) override;
    std::int32_t item_count() override;
    std::int32_t unused_5() override { return logged(log_, "unused_5", 0); }
    std::int32_t unused_6() override { return logged(log_, "unused_6", 0); }
    std::int32_t unused_7() override { return logged(log_, "unused_7", 0); }
    std::int32_t unused_8() override { return logged(log_, "unused_8", 0); }
    std::int32_t unused_9() override { return logged(log_, "unused_9", 0); }
    std::int32_t unused_10() override { return logged(log_, "unused_10", 0); }
    std::int32_t unused_11() override { return logged(log_, "unused_11", 0); }
    std::int32_t unused_12() override { return logged(log_, "unused_12", 0); }
    std::int32_t unused_13() override { return logged(log_, "unused_13", 0); }
    std::int32_t unused_14() override { return logged(log_, "unused_14", 0); }
    // Removes the items the mask flags; notes whether it flagged every index.
    bool remove_masked(const quorvel::index_mask& mask) override;
    std::int32_t unused_16() override { return logged(log_, "unused_16", 0); }
    std::int32_t unused_17() override { return logged(log_, "unused_17", 0); }
    // Appends the handles.
    std::int32_t insert_handles(quorvel::pointer_list& handles, std::int32_t a, std::int32_t b,
                                std::int32_t c, std::int32_t d) override;

    bool last_mask_selected_all = false;

private:
    fake_host& host_;
    call_log& log_;
};

// One of the host's command sources: a command per guid. Executing the host's
// remove-selection command really removes the model's selection.
class fake_command_source final : public quorvel::command_source {
public:
    fake_command_source(fake_host& host, std::uint32_t kind, std::vector<quorvel::guid> commands,
                        bool answers_ext);
    int release() override { return logged(log_, "release", 1); }
    int add_ref() override { return logged(log_, "add_ref", 1); }
    // Answers command_source_ext with itself, if `answers_ext`.
    quorvel::service_object* query(const quorvel::guid& cls) override;
    std::uint32_t default_state(std::uint32_t i) override { return log_i("default_state", i, 1u); }
    std::uint32_t menu_kind() override { return logged(log_, "menu_kind", kind); }
    std::uint32_t command_count() override;
    void command_path(std::uint32_t i, quorvel::text_buffer&) override {
        log_i("command_path", i, 0);
    }
    bool display_text(std::uint32_t i, quorvel::handle_list&, quorvel::text_buffer&,
                      std::uint32_t&) override {
        return log_i("display_text", i, false);
    }
    void execute(std::uint32_t index, quorvel::handle_list& handles) override;
    bool unnamed_10(std::uint32_t i, quorvel::text_buffer&) override {
        return log_i("unnamed_10", i, false);
    }
    std::uint32_t unnamed_11(std::uint32_t i) override { return log_i("unnamed_11", i, 0u); }
    bool display_text_for(std::uint32_t i, quorvel::handle_list&, quorvel::text_buffer&,
                          std::uint32_t&, const quorvel::guid&) override {
        return log_i("display_text_for", i, false);
    }
    void execute_for(std::uint32_t index, quorvel::handle_list& handles,
                     const quorvel::guid& caller) override;
    bool command_guid(std::uint32_t index, quorvel::guid& out) override;
    bool unnamed_15(std::uint32_t i, quorvel::text_buffer&) override {
        return log_i("unnamed_15", i, false);
    }
    void execute_step(std::uint32_t i, quorvel::handle_list&, const quorvel::guid&) override {
        log_i("execute_step", i, 0);
    }
    bool display_step(std::uint32_t i, quorvel::handle_list&, quorvel::text_buffer&, std::uint32_t&,
                      const quorvel::guid&) override {
        return log_i("display_step", i, false);
    }

    std::vector<quorvel::guid> commands;
    std::uint32_t kind;
    bool answers_ext;

    // What the executions saw, the last one's details.
    int executions = 0;
    std::uint32_t executed_index = 0;
    quorvel::guid executed_caller{};
    std::uint32_t executed_handle_count = 0;
    std::string executed_label; // the innermost call-stack label, "" when none

private:
    template <class T>
    T log_i(const char* call, std::uint32_t index, T result) {
        return logged(log_, call + (" " + std::to_string(index)), result);
    }
    void run(std::uint32_t index, quorvel::handle_list& handles, const quorvel::guid& caller);
    fake_host& host_;
    call_log& log_;
};

// Keeps the bytes written, and logs each write with its length.
class fake_config_sink final : public quorvel::config_sink {
public:
    explicit fake_config_sink(call_log& log) : log_(log) {}
    void write(const void* bytes, std::uint32_t length) override;

    std::vector<std::uint8_t> bytes;

private:
    call_log& log_;
};

class fake_host final : public quorvel::host_api {
public:
    fake_host();
    fake_host(const fake_host&) = delete;
    fake_host& operator=(const fake_host&) = delete;

    // Serves the roster and the active playlist at index 0, and the command
    // sources in the order they were added; null for anything else.
    quorvel::service_object* find_service(const quorvel::guid& cls, std::uint32_t index) override;

    // Adds a playlist holding `items` new tracks; the first one added becomes active.
    fake_playlist& add_playlist(std::string name, std::uint32_t items = 0);
    // The active playlist; there must be one.
    fake_playlist& active_list() { return playlists.at(static_cast<std::size_t>(active)); }
    // What the remove-selection command does: drops the selected tracks from
    // the active playlist and empties the selection.
    void remove_selection();

    // Adds a source of the host's own; `answers_ext` false makes it refuse command_source_ext.
    fake_command_source& add_source(std::uint32_t kind, std::vector<quorvel::guid> commands,
                                    bool answers_ext = true);
    // Lists another component's source; calls on it are not logged.
    void add_source(quorvel::command_source& source) { sources_.push_back(&source); }

    // Returns the calls logged so far and starts a new log.
    call_log take_calls();

    call_log calls;
    std::vector<fake_playlist> playlists;
    std::int32_t active = -1;
    std::vector<void*> selection; // tracks selected in the active playlist
    bool fail_activate = false;

    fake_roster roster;
    fake_active_playlist active_service;
    fake_config_sink sink;

private:
    std::uintptr_t next_track_ = 1;
    std::vector<std::unique_ptr<fake_command_source>> own_sources_;
    std::vector<quorvel::command_source*> sources_;
};

// Puts the component's static state back to how loading leaves it (default
// settings, no playlists, empty table, nothing cached) and connects `host`.
void connect_component(fake_host& host);
// Empties the table and disconnects the host.
void disconnect_component();

} // namespace testing_support
