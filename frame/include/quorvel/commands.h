// The host's menu system: command sources (the component publishes two and
// runs the host's through them) and the watcher of playlist events. Slots
// named `unnamed_N` hold the place of host calls the component answers with
// nothing: false, 0, or no action.
#pragma once

#include "quorvel/containers.h"
#include "quorvel/service.h"

namespace quorvel {

inline constexpr guid command_source_class{
    0x1C0802F7, 0xCF24, 0x49EF, {0xB9, 0x14, 0x8B, 0x98, 0x66, 0xF1, 0x97, 0x79}};
inline constexpr guid command_source_ext{
    0x79D28AA9, 0x4E71, 0x4B9B, {0x98, 0xBA, 0x36, 0xDB, 0x16, 0x59, 0x3F, 0xDF}};
inline constexpr guid playlist_watcher_class{
    0x7F0FB76C, 0x6BB7, 0x4435, {0x83, 0x37, 0x8E, 0x75, 0x98, 0xF4, 0x4B, 0xDA}};

// Callers the host names when it asks for a display text or runs a command.
inline constexpr guid caller_playlist_view{
    0x47502BA1, 0x816D, 0x4A3E, {0xAD, 0xE5, 0xA7, 0xA9, 0x86, 0x0A, 0x67, 0xDB}};
inline constexpr guid caller_none{0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};

// The host's main-menu command that removes the selected tracks from the active playlist.
inline constexpr guid remove_selection_command{
    0xE0EEA319, 0xE282, 0x4E6C, {0x8B, 0x82, 0x4D, 0xFD, 0x42, 0xA1, 0xD4, 0xED}};

// Default states a source reports for its commands.
inline constexpr std::uint32_t state_off = 0;
inline constexpr std::uint32_t state_on = 1;
inline constexpr std::uint32_t state_forced_on = 2;

// Menu kinds a source belongs to.
inline constexpr std::uint32_t menu_main = 0;
inline constexpr std::uint32_t menu_context = 1;

// A set of menu commands; the same table serves the command_source_ext interface.
class command_source : public service_object {
public:
    // Returns the default state of command `index`: off, on or forced on.
    virtual std::uint32_t default_state(std::uint32_t index) = 0;
    // Returns the menu the commands belong to: main or context.
    virtual std::uint32_t menu_kind() = 0;
    // Returns the number of commands.
    virtual std::uint32_t command_count() = 0;
    // Assigns the stored name of command `index` (group/name) to `out`.
    virtual void command_path(std::uint32_t index, text_buffer& out) = 0;
    // As display_text_for with no caller.
    virtual bool display_text(std::uint32_t index, handle_list& handles, text_buffer& out,
                              std::uint32_t& flags) = 0;
    // As execute_for with no caller.
    virtual void execute(std::uint32_t index, handle_list& handles) = 0;
    virtual bool unnamed_10(std::uint32_t index, text_buffer& out) = 0;
    virtual std::uint32_t unnamed_11(std::uint32_t index) = 0;
    // Assigns the label of command `index` for `caller`; returns false to hide it.
    virtual bool display_text_for(std::uint32_t index, handle_list& handles, text_buffer& out,
                                  std::uint32_t& flags, const guid& caller) = 0;
    // Runs command `index` on `handles` for `caller`.
    virtual void execute_for(std::uint32_t index, handle_list& handles, const guid& caller) = 0;
    // Assigns the guid of command `index`; returns false when it has none.
    virtual bool command_guid(std::uint32_t index, guid& out) = 0;
    virtual bool unnamed_15(std::uint32_t index, text_buffer& out) = 0;
    // The source's own execute step, reached through execute_for.
    virtual void execute_step(std::uint32_t index, handle_list& handles, const guid& caller) = 0;
    // The source's own display step, reached through display_text_for.
    virtual bool display_step(std::uint32_t index, handle_list& handles, text_buffer& out,
                              std::uint32_t& flags, const guid& caller) = 0;
};

// Receives the host's playlist events.
class playlist_watcher : public service_object {
public:
    virtual void unnamed_4(std::uint32_t, std::uint32_t) = 0;
    virtual void unnamed_5(std::uint32_t, std::uint32_t) = 0;
    // The order or set of playlists changed.
    virtual void on_playlist_list_changed(std::uint32_t, std::uint32_t) = 0;
    // A playlist was created at `index`.
    virtual void on_playlist_created(std::uint32_t index, const char* name,
                                     std::uint32_t name_length) = 0;
    // The playlist at `index` was removed.
    virtual void on_playlist_removed(std::uint32_t index) = 0;
    // The playlist at `index` is now called `new_name`.
    virtual void on_playlist_renamed(std::uint32_t index, const char* new_name) = 0;
    virtual void unnamed_10(std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t) = 0;
};

} // namespace quorvel
