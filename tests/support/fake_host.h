// The one fake host of the tests and benchmarks: an in-memory model of
// playlists behind the roster and active playlist services, command sources
// of its own, and services chosen per class. Asked to record, it writes down
// every call the component makes on it, in order, as a short text
// ("find_service roster 0", "playlist_name 3", "activate 1", ...), so that a
// test can compare whole call sequences; otherwise it answers at once.
#pragma once

#include "quorvel/client.h"
#include "quorvel/commands.h"
#include "quorvel/playlists.h"
#include "tests/support/call_recorder.h"
#include "tests/support/host_containers.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

// A command guid: distinct for each n, and unlike every guid of the host contract.
quorvel::guid test_guid(std::uint32_t n);

// The rebuilds of the entry table in `calls`, with at least one playlist: a
// rebuild forms playlist 0's label first, asking its name and then the active
// index. A command path asks the name alone and a rename no name, so neither
// counts; forming playlist 0's label again after a send would.
long rebuilds_in(const call_log& calls);

struct fake_playlist {
    std::string name;
    std::vector<void*> items;
    // What the roster reports as the item count instead of the real one.
    std::optional<std::int32_t> roster_count;
};

class fake_host;

// A service with nothing beyond the shape every service has.
class plain_service final : public quorvel::service_object {
public:
    int release() override { return 1; }
    int add_ref() override { return 1; }
    quorvel::service_object* query(const quorvel::guid&) override { return nullptr; }
};

// What every service of the host answers, recorded on the host: references
// are not counted, and no other interface is offered.
template <class Interface>
class fake_service : public Interface {
public:
    explicit fake_service(fake_host& host) : host_(host) {}
    int release() override;
    int add_ref() override;
    quorvel::service_object* query(const quorvel::guid& cls) override;

protected:
    fake_host& host_;
};

// The roster of the host's playlists.
class fake_roster final : public fake_service<quorvel::playlist_roster> {
public:
    using fake_service::fake_service;
    std::int32_t unused_4(std::uint32_t) override;
    bool playlist_name(std::uint32_t index, quorvel::text_buffer& out) override;
    bool unused_6(std::uint32_t) override;
    std::int32_t playlist_item_count(std::uint32_t index) override;
    std::int32_t unused_8() override;
    std::int32_t active_index() override;
    bool activate(std::uint32_t index) override;
};

// Acts on whichever playlist of the model is active at the time of the call.
class fake_active_playlist final : public fake_service<quorvel::active_playlist> {
public:
    using fake_service::fake_service;
    std::int32_t item_count() override;
    std::int32_t unused_5() override { return unused("unused_5"); }
    std::int32_t unused_6() override { return unused("unused_6"); }
    std::int32_t unused_7() override { return unused("unused_7"); }
    std::int32_t unused_8() override { return unused("unused_8"); }
    std::int32_t unused_9() override { return unused("unused_9"); }
    std::int32_t unused_10() override { return unused("unused_10"); }
    std::int32_t unused_11() override { return unused("unused_11"); }
    std::int32_t unused_12() override { return unused("unused_12"); }
    std::int32_t unused_13() override { return unused("unused_13"); }
    std::int32_t unused_14() override { return unused("unused_14"); }
    // Removes the items the mask flags; notes whether it flagged every index.
    bool remove_masked(const quorvel::index_mask& mask) override;
    std::int32_t unused_16() override { return unused("unused_16"); }
    std::int32_t unused_17() override { return unused("unused_17"); }
    // Appends the handles.
    std::int32_t insert_handles(quorvel::pointer_list& handles, std::int32_t a, std::int32_t b,
                                std::int32_t c, std::int32_t d) override;

    bool last_mask_selected_all = false;

private:
    std::int32_t unused(const char* slot);
};

// One of the host's command sources: a command per guid. Executing the host's
// remove-selection command really removes the model's selection.
class fake_command_source final : public fake_service<quorvel::command_source> {
public:
    fake_command_source(fake_host& host, std::uint32_t kind, std::vector<quorvel::guid> commands,
                        bool answers_ext);
    // Answers command_source_ext with itself, if `answers_ext`.
    quorvel::service_object* query(const quorvel::guid& cls) override;
    std::uint32_t default_state(std::uint32_t i) override;
    std::uint32_t menu_kind() override;
    std::uint32_t command_count() override;
    void command_path(std::uint32_t i, quorvel::text_buffer&) override;
    bool display_text(std::uint32_t i, quorvel::handle_list&, quorvel::text_buffer&,
                      std::uint32_t&) override;
    void execute(std::uint32_t index, quorvel::handle_list& handles) override;
    bool unnamed_10(std::uint32_t i, quorvel::text_buffer&) override;
    std::uint32_t unnamed_11(std::uint32_t i) override;
    bool display_text_for(std::uint32_t i, quorvel::handle_list&, quorvel::text_buffer&,
                          std::uint32_t&, const quorvel::guid&) override;
    void execute_for(std::uint32_t index, quorvel::handle_list& handles,
                     const quorvel::guid& caller) override;
    bool command_guid(std::uint32_t index, quorvel::guid& out) override;
    bool unnamed_15(std::uint32_t i, quorvel::text_buffer&) override;
    void execute_step(std::uint32_t i, quorvel::handle_list&, const quorvel::guid&) override;
    bool display_step(std::uint32_t i, quorvel::handle_list&, quorvel::text_buffer&, std::uint32_t&,
                      const quorvel::guid&) override;

    std::vector<quorvel::guid> commands;
    std::uint32_t kind;
    bool answers_ext;

    // What the executions saw, the last one's details.
    int executions = 0;
    std::uint32_t executed_index = 0;
    quorvel::guid executed_caller{};
    std::uint32_t executed_handle_count = 0;
    std::string executed_label; // the innermost call-stack label, "" when none
    // Run by every execution with the handles it was given, as a command of
    // another component would use them.
    std::function<void(quorvel::handle_list&)> on_execute;

private:
    void run(std::uint32_t index, quorvel::handle_list& handles, const quorvel::guid& caller);
};

class fake_host final : public quorvel::host_api, public call_recorder {
public:
    explicit fake_host(recording mode = recording::off);
    fake_host(const fake_host&) = delete;
    fake_host& operator=(const fake_host&) = delete;

    // Serves what `serve` chose for a class; otherwise the roster and the
    // active playlist at index 0, and the command sources in the order they
    // were added; null for anything else.
    quorvel::service_object* find_service(const quorvel::guid& cls, std::uint32_t index) override;
    // From now on, lookups of `cls` answer `services` by index, then null.
    void serve(const quorvel::guid& cls, std::vector<quorvel::service_object*> services);

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
    // Lists another component's source; calls on it are not recorded.
    void add_source(quorvel::command_source& source) { sources_.push_back(&source); }

    std::vector<fake_playlist> playlists;
    std::int32_t active = -1;
    std::vector<void*> selection; // tracks selected in the active playlist
    bool fail_activate = false;

    fake_roster roster;
    fake_active_playlist active_service;

private:
    // find_service, recorded: what `serve` chose for `cls`, or else the model's service.
    quorvel::service_object* any_service(const quorvel::guid& cls, std::uint32_t index);

    std::uintptr_t next_track_ = 1;
    std::vector<std::unique_ptr<fake_command_source>> own_sources_;
    std::vector<quorvel::command_source*> sources_;
    std::vector<std::pair<quorvel::guid, std::vector<quorvel::service_object*>>> served_;
};

} // namespace testing_support
