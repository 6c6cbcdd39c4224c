// The component library loaded through its export against a host of the
// test's choosing, with the services a host reaches it by: the client, the
// playlist watcher, both command sources and the preferences page.
#pragma once

#include "host/session/component_library.h"
#include "quorvel/client.h"
#include "quorvel/commands.h"
#include "quorvel/settings_page.h"

#include <string>

namespace testing_support {

class hosted_component {
public:
    // Loads the library at `path` and hands it `host`.
    hosted_component(const std::string& path, quorvel::host_api& host);

    // The load error, empty when every service below was found.
    const std::string& error() const { return error_; }

    quorvel::component_client& client() { return *client_; }
    quorvel::playlist_watcher& watcher() { return *watcher_; }
    // The commands by playlist position, shown in the context menu.
    quorvel::command_source& index_commands() { return *index_commands_; }
    // The commands by playlist name, for the shortcut list.
    quorvel::command_source& name_commands() { return *name_commands_; }
    quorvel::settings_page& page() { return *page_; }

private:
    host::component_library library_;
    std::string error_;
    quorvel::component_client* client_ = nullptr;
    quorvel::playlist_watcher* watcher_ = nullptr;
    quorvel::command_source* index_commands_ = nullptr;
    quorvel::command_source* name_commands_ = nullptr;
    quorvel::settings_page* page_ = nullptr;
};

} // namespace testing_support
