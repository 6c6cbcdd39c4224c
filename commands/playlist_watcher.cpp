#include "commands/playlist_watcher.h"

namespace relayvo {

void playlist_watcher::on_playlist_list_changed(std::uint32_t, std::uint32_t) {
    check_host_thread();
    table_.rebuild_entries();
}

void playlist_watcher::on_playlist_created(std::uint32_t, const char*, std::uint32_t) {
    check_host_thread();
    table_.playlist_created();
}

void playlist_watcher::on_playlist_removed(std::uint32_t) {
    check_host_thread();
    table_.playlist_removed();
}

void playlist_watcher::on_playlist_renamed(std::uint32_t index, const char* new_name) {
    check_host_thread();
    table_.rename_entry(index, new_name);
}

} // namespace relayvo
