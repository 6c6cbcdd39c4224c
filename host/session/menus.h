// How the host builds its menus from command sources: the context menu of the
// playlist view, and the list of every command for keyboard shortcuts.
#pragma once

#include "services/host_directory.h"
#include "session/component_calls.h"

#include <string>
#include <vector>

namespace host {

struct menu_entry {
    std::string group; // the command path before its last '/'; empty at the top level
    std::string label;
    std::string path;
    std::uint32_t state; // the default state the source reports
    command_source_ref source;
    std::uint32_t index;
};

// The context menu for `handles` as `caller` sees it: every command of every
// context-menu source that shows a label for them, grouped by their paths'
// groups in the order the groups first appear.
std::vector<menu_entry> context_menu(host_directory& directory, handle_list& handles,
                                     const quorvel::guid& caller);

// Every command of every source, in source order, for the shortcut list.
struct shortcut {
    std::string path;
    std::uint32_t kind;
    std::uint32_t state;
    command_source_ref source;
    std::uint32_t index;
};
std::vector<shortcut> shortcut_list(host_directory& directory);

// Runs command `index` of `source` on `handles` for `caller`, through the
// extended interface when the source offers it.
void run_command(const command_source_ref& source, std::uint32_t index, handle_list& handles,
                 const quorvel::guid& caller);

// "off", "on", "forced on".
std::string state_text(std::uint32_t state);

} // namespace host
