// The commands of the host's language. Each prints plain, stable lines to the
// host's output and reports a command it cannot carry out as a command_error.
#pragma once

#include "host/app.h"
#include "host/language.h"

#include <cstdint>
#include <vector>

namespace host {

struct command_context {
    host_app& app;
    bool quit = false; // set by the command that ends the session
};

struct command {
    const char* name;
    const char* usage;   // the arguments, as help shows them
    const char* summary; // one line
    void (*run)(command_context& context, const command_line& line);
};

// Every command, in the order help lists them.
const std::vector<command>& all_commands();

// The groups of commands, each defined with the part of the host it drives.
std::vector<command> playlist_commands();
std::vector<command> menu_commands();
std::vector<command> settings_commands();
std::vector<command> session_commands();

// Fails unless `line` has between `least` and `most` words after the verb.
void expect_words(const command_line& line, std::size_t least, std::size_t most);

} // namespace host
