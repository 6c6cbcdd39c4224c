// The two command sources the component publishes: by-index commands, shown
// in the context menu with each playlist's label, and by-name commands, which
// only the keyboard-shortcut list offers.
#pragma once

#include "commands/delivery.h"
#include "commands/entry_table.h"
#include "config/config_var.h"
#include "frame/host_thread.h"
#include "frame/registry.h"
#include "quorvel/commands.h"

namespace relayvo {

// The settings of the command sources beside their table's: the variables
// themselves, read when a command is asked for or run.
struct command_settings {
    const config_int& moving;    // from the playlist view, tracks move
    const config_int& forced_on; // by-index commands report forced on
};

// What both sources share: reference counting of a static object, both
// interfaces in one table, the empty-selection rule and the execute step.
class playlist_commands : public static_service<quorvel::command_source> {
public:
    // Offers the commands of `table`'s playlists, sends tracks through
    // `sending`, under `settings`.
    playlist_commands(entry_table& table, const delivery& sending, const command_settings& settings)
        : table_(table), delivery_(sending), settings_(settings) {}

    // Answers the command_source class and command_source_ext with itself.
    quorvel::service_object* query(const quorvel::guid& cls) override;
    std::uint32_t menu_kind() override {
        check_host_thread();
        return quorvel::menu_context;
    }
    bool display_text(std::uint32_t index, quorvel::handle_list& handles, quorvel::text_buffer& out,
                      std::uint32_t& flags) override;
    void execute(std::uint32_t index, quorvel::handle_list& handles) override;
    bool unnamed_10(std::uint32_t, quorvel::text_buffer&) override {
        check_host_thread();
        return false;
    }
    std::uint32_t unnamed_11(std::uint32_t) override {
        check_host_thread();
        return 0;
    }
    // Hides every command when no track is selected.
    bool display_text_for(std::uint32_t index, quorvel::handle_list& handles,
                          quorvel::text_buffer& out, std::uint32_t& flags,
                          const quorvel::guid& caller) override;
    // Does nothing when no track is selected.
    void execute_for(std::uint32_t index, quorvel::handle_list& handles,
                     const quorvel::guid& caller) override;
    // No command has a guid, so none can be run by guid.
    bool command_guid(std::uint32_t, quorvel::guid&) override {
        check_host_thread();
        return false;
    }
    bool unnamed_15(std::uint32_t, quorvel::text_buffer&) override {
        check_host_thread();
        return false;
    }
    // Sends the tracks to the playlist of command `index`; from the playlist
    // view while tracks move, takes them out of their playlist first. While
    // labels show counts, the labels of the playlists it changed follow.
    void execute_step(std::uint32_t index, quorvel::handle_list& handles,
                      const quorvel::guid& caller) override;

protected:
    entry_table& table_;
    const delivery& delivery_;
    const command_settings settings_;
};

// One command per playlist position, named "<group>/Playlist NNNN".
class index_commands final : public playlist_commands {
public:
    using playlist_commands::playlist_commands;
    // Forced on while forced_on is, otherwise on.
    std::uint32_t default_state(std::uint32_t) override;
    std::uint32_t command_count() override;
    void command_path(std::uint32_t index, quorvel::text_buffer& out) override;
    // The playlist's label; hides the playlist the tracks come from.
    bool display_step(std::uint32_t index, quorvel::handle_list& handles, quorvel::text_buffer& out,
                      std::uint32_t& flags, const quorvel::guid& caller) override;
};

// One command per playlist name, for shortcuts that follow the playlist.
class name_commands final : public playlist_commands {
public:
    using playlist_commands::playlist_commands;
    std::uint32_t default_state(std::uint32_t) override {
        check_host_thread();
        return quorvel::state_off;
    }
    std::uint32_t command_count() override;
    void command_path(std::uint32_t index, quorvel::text_buffer& out) override;
    // Never shown in a menu.
    bool display_step(std::uint32_t, quorvel::handle_list&, quorvel::text_buffer&, std::uint32_t&,
                      const quorvel::guid&) override {
        check_host_thread();
        return false;
    }
};

} // namespace relayvo
