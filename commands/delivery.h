// Carrying out a chosen command: putting tracks into a playlist, and running
// any component's menu command by its guid.
#pragma once

#include "config/config_var.h"
#include "quorvel/commands.h"

namespace relayvo {

// Puts tracks into the host's playlists.
class delivery {
public:
    // Empties each target first while `replacing` is on, read at each delivery.
    explicit delivery(const config_int& replacing) : replacing_(replacing) {}

    // Activates playlist `index`, empties it while replacing, and adds
    // `handles`. Returns false, touching no playlist, if it could not be activated.
    bool deliver_items(std::uint32_t index, quorvel::handle_list& handles) const;

private:
    const config_int& replacing_;
};
// Runs the first command of menu `kind` whose guid is `command` among all of
// the host's command sources; returns true if one ran.
bool run_command(std::uint32_t kind, const quorvel::guid& command, quorvel::handle_list& handles,
                 const quorvel::guid& caller);
// Runs a main-menu command with no tracks and no caller; returns true if one ran.
bool run_main_menu_command(const quorvel::guid& command);

} // namespace relayvo
