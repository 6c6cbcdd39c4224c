#include "commands/delivery.h"

#include "frame/host.h"
#include "text/masks.h"
#include "text/pointer_list.h"
#include "utf8api/utf8api.h"

namespace relayvo {

namespace {

constexpr const char* run_command_label = "menu_manager::run_command(), by GUID";

// The extended interface of `source`, or null; the caller releases it.
quorvel::command_source* extended(quorvel::command_source& source) {
    return static_cast<quorvel::command_source*>(source.query(quorvel::command_source_ext));
}

// Whether command `index` of `source` carries `command`; a source without the
// extended interface cannot tell its guids, so never matches.
bool carries(quorvel::command_source& source, std::uint32_t index, const quorvel::guid& command) {
    quorvel::command_source* ext = extended(source);
    if (!ext) return false;
    quorvel::guid id{};
    bool known = ext->command_guid(index, id);
    ext->release();
    return known && id == command;
}

void execute(quorvel::command_source& source, std::uint32_t index, quorvel::handle_list& handles,
             const quorvel::guid& caller) {
    uCallStackTracker scope(run_command_label);
    if (quorvel::command_source* ext = extended(source)) {
        ext->execute_for(index, handles, caller);
        ext->release();
    } else {
        source.execute(index, handles);
    }
}

} // namespace

bool delivery::deliver_items(std::uint32_t index, quorvel::handle_list& handles) const {
    quorvel::playlist_roster* r = roster();
    if (!r || !r->activate(index)) return false;
    quorvel::active_playlist* target = active_playlist();
    if (!target) return false;
    if (replacing_.on()) target->remove_masked(mask_all{});
    target->insert_handles(handles, 0, -1, 0, 1);
    return true;
}

bool run_command(std::uint32_t kind, const quorvel::guid& command, quorvel::handle_list& handles,
                 const quorvel::guid& caller) {
    service_cursor sources(quorvel::command_source_class);
    bool found = false;
    while (!found) {
        auto* source = static_cast<quorvel::command_source*>(sources.next());
        if (!source) break;
        if (source->menu_kind() == kind) {
            for (std::uint32_t i = 0, n = source->command_count(); i < n; ++i) {
                if (!carries(*source, i, command)) continue;
                execute(*source, i, handles, caller);
                found = true;
                break;
            }
        }
        source->release();
    }
    return found;
}

bool run_main_menu_command(const quorvel::guid& command) {
    pointer_list no_tracks;
    return run_command(quorvel::menu_main, command, no_tracks, quorvel::caller_none);
}

} // namespace relayvo
