#include "commands/playlist_watcher.h"

#include "commands/entry_table.h"

namespace relayvo {

void playlist_watcher::on_playlist_list_changed(std::uint32_t, std::uint32_t) {
    rebuild_entries();
}

void playlist_watcher::on_playlist_created(std::uint32_t, const char*, std::uint32_t) {
    ++playlist_count;
    rebuild_entries();
}

void playlist_watcher::on_playlist_removed(std::uint32_t) {
    if (playlist_count > 0) --playlist_count;
    rebuild_entries();
}

void playlist_watcher::on_playlist_renamed(std::uint32_t index, const char* new_name) {
    rename_entry(index, new_name);
}

} // namespace relayvo
