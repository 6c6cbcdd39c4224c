// The service through which the host reports playlist events; it keeps an
// entry table in step with them.
#pragma once

#include "commands/entry_table.h"
#include "frame/host_thread.h"
#include "frame/registry.h"
#include "quorvel/commands.h"

namespace relayvo {

class playlist_watcher final : public static_service<quorvel::playlist_watcher> {
public:
    // Reports every event to `table`.
    explicit playlist_watcher(entry_table& table) : table_(table) {}

    void unnamed_4(std::uint32_t, std::uint32_t) override { check_host_thread(); }
    void unnamed_5(std::uint32_t, std::uint32_t) override { check_host_thread(); }
    // Rebuilds the table.
    void on_playlist_list_changed(std::uint32_t, std::uint32_t) override;
    // Counts one more playlist and rebuilds.
    void on_playlist_created(std::uint32_t, const char*, std::uint32_t) override;
    // Counts one playlist fewer (never below 0) and rebuilds.
    void on_playlist_removed(std::uint32_t) override;
    // Patches the one playlist's texts.
    void on_playlist_renamed(std::uint32_t index, const char* new_name) override;
    void unnamed_10(std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t) override {
        check_host_thread();
    }

private:
    entry_table& table_;
};

} // namespace relayvo
