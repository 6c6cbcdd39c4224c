// The verbs of the host's language. Each prints plain, stable lines to the
// host's output and reports what it cannot carry out as a verb_error.
#pragma once

#include "app.h"
#include "shell/language.h"
#include "shell/line_source.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace host {

// What a verb does when a stop signal (Ctrl-C) comes while it runs.
class verb_stopped : public verb_error {
public:
    verb_stopped() : verb_error("stopped") {}
};

struct verb_context {
    host_app& app;
    // The person at the prompt, asked before a verb replaces what they made;
    // null in a script, which is never asked a question.
    line_source* person = nullptr;
    // The stop signal caught, or 0; none where nothing asks to stop.
    int (*stop_signal)() = nullptr;
    bool quit = false; // set by the verb that ends the session
    // Said to the user after the verb, which was carried out all the same.
    std::vector<std::string> warnings{};

    // Fails with verb_stopped once a stop signal has come. Verbs that can run
    // long call it between their own steps, never within a call into the
    // component, so that the component is never left halfway.
    void stop_point() const;
};

struct verb {
    const char* name;
    const char* usage;   // the arguments, as help shows them
    const char* summary; // one line
    void (*run)(verb_context& context, const input_line& line);
    std::size_t playlist_words = 0; // how many words after the verb name a playlist
    bool rest = false;              // whether its last argument takes the rest of the line
    // How many of its letters are typed before Tab offers it: a verb that
    // replaces much is never one letter and a Tab away.
    std::size_t typed_before_tab = 0;
};

// Every verb, in the order help lists them.
const std::vector<verb>& all_verbs();
// The verb called `name` or one of its short names (q, h, ?), or null.
const verb* verb_named(const std::string& name);
// The short names and the verbs they stand for, as help lists them.
const std::vector<std::pair<std::string, std::string>>& verb_aliases();

// The groups of verbs, each defined with the part of the host it drives.
std::vector<verb> playlist_verbs();
std::vector<verb> menu_verbs();
std::vector<verb> settings_verbs();
std::vector<verb> session_verbs();

// Whether the person at the prompt answers `question` with y or yes; true
// in a script.
bool confirmed(const verb_context& context, const std::string& question);

// Fails unless a component is loaded.
void need_component(const verb_context& context);

// Fails unless `line` has between `least` and `most` words after the verb.
void expect_words(const input_line& line, std::size_t least, std::size_t most);

} // namespace host
