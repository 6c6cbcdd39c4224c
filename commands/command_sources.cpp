#include "commands/command_sources.h"

#include "commands/delivery.h"
#include "frame/host.h"
#include "text/format.h"

namespace relayvo {

namespace {

// The index of the active playlist, or -1 when the host cannot tell.
std::int32_t active_index() {
    quorvel::playlist_roster* r = roster();
    return r ? r->active_index() : -1;
}

} // namespace

quorvel::service_object* playlist_commands::query(const quorvel::guid& cls) {
    check_host_thread();
    if (!(cls == quorvel::command_source_ext) && !(cls == quorvel::command_source_class))
        return nullptr;
    add_ref();
    return this;
}

bool playlist_commands::display_text(std::uint32_t index, quorvel::handle_list& handles,
                                     quorvel::text_buffer& out, std::uint32_t& flags) {
    check_host_thread();
    return display_text_for(index, handles, out, flags, quorvel::caller_none);
}

void playlist_commands::execute(std::uint32_t index, quorvel::handle_list& handles) {
    check_host_thread();
    execute_for(index, handles, quorvel::caller_none);
}

bool playlist_commands::display_text_for(std::uint32_t index, quorvel::handle_list& handles,
                                         quorvel::text_buffer& out, std::uint32_t& flags,
                                         const quorvel::guid& caller) {
    check_host_thread();
    return handles.count() != 0 && display_step(index, handles, out, flags, caller);
}

void playlist_commands::execute_for(std::uint32_t index, quorvel::handle_list& handles,
                                    const quorvel::guid& caller) {
    check_host_thread();
    if (handles.count() != 0) execute_step(index, handles, caller);
}

void playlist_commands::execute_step(std::uint32_t index, quorvel::handle_list& handles,
                                     const quorvel::guid& caller) {
    check_host_thread();
    if (handles.count() == 0 || index >= command_count()) return;
    bool moving = settings_.moving.on() && caller == quorvel::caller_playlist_view;
    // The source is the active playlist until the target is activated; its
    // index is wanted only for its label's count.
    std::int32_t source = moving && table_.settings().counted.on() ? active_index() : -1;
    bool removed = moving && run_main_menu_command(quorvel::remove_selection_command);
    if (delivery_.deliver_items(index, handles)) {
        table_.refresh_label(index);
    } else if (removed) {
        // The target could not be activated: the source is still active, so
        // the tracks go back where they came from rather than being lost.
        if (quorvel::active_playlist* back = active_playlist())
            back->insert_handles(handles, 0, -1, 0, 1);
    }
    // The host reports no change of a count, so the labels of the playlists
    // this send changed are formed again here.
    if (removed && source >= 0) table_.refresh_label(static_cast<std::uint32_t>(source));
}

std::uint32_t index_commands::default_state(std::uint32_t) {
    check_host_thread();
    return settings_.forced_on.on() ? quorvel::state_forced_on : quorvel::state_on;
}

std::uint32_t index_commands::command_count() {
    check_host_thread();
    return table_.label_count();
}

void index_commands::command_path(std::uint32_t index, quorvel::text_buffer& out) {
    check_host_thread();
    text_buffer name = format_text("%s/Playlist %04u", table_.command_group(), index);
    out.assign(name.text(), quorvel::unbounded);
}

bool index_commands::display_step(std::uint32_t index, quorvel::handle_list&,
                                  quorvel::text_buffer& out, std::uint32_t&,
                                  const quorvel::guid& caller) {
    check_host_thread();
    if (caller == quorvel::caller_playlist_view) {
        quorvel::playlist_roster* r = roster();
        if (r && static_cast<std::uint32_t>(r->active_index()) == index) return false;
    }
    if (index >= table_.label_count()) return false;
    out.assign(table_.label(index), quorvel::unbounded);
    return true;
}

std::uint32_t name_commands::command_count() {
    check_host_thread();
    return table_.path_count();
}

void name_commands::command_path(std::uint32_t index, quorvel::text_buffer& out) {
    check_host_thread();
    if (index < table_.path_count()) out.assign(table_.path(index), quorvel::unbounded);
}

} // namespace relayvo
