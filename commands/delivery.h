// Carrying out a chosen command: putting tracks into a playlist, and running
// any component's menu command by its guid.
#pragma once

#include "quorvel/commands.h"

namespace relayvo {

// Activates playlist `index`, empties it if `replace` is on, and adds
// `handles`. Returns false, touching no playlist, if it could not be activated.
bool deliver_items(std::uint32_t index, quorvel::handle_list& handles);
// Runs the first command of menu `kind` whose guid is `command` among all of
// the host's command sources; returns true if one ran.
bool run_command(std::uint32_t kind, const quorvel::guid& command, quorvel::handle_list& handles,
                 const quorvel::guid& caller);
// Runs a main-menu command with no tracks and no caller; returns true if one ran.
bool run_main_menu_command(const quorvel::guid& command);

} // namespace relayvo
