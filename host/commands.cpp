#include "host/commands.h"

namespace host {

const std::vector<command>& all_commands() {
    static const std::vector<command> commands = [] {
        std::vector<command> all;
        for (auto group : {playlist_commands, menu_commands, settings_commands, session_commands})
            for (const command& c : group())
                all.push_back(c);
        return all;
    }();
    return commands;
}

void expect_words(const command_line& line, std::size_t least, std::size_t most) {
    const command* self = nullptr;
    for (const command& c : all_commands())
        if (line.verb() == c.name) self = &c;
    std::string usage =
        self ? std::string(" (usage: ") + self->name + (*self->usage ? " " : "") + self->usage + ")"
             : "";
    if (line.count() < least) throw command_error("missing argument" + usage);
    if (line.count() > most) throw command_error("too many arguments" + usage);
}

} // namespace host
