#include "shell/verbs.h"

#include <cctype>

namespace host {

const std::vector<verb>& all_verbs() {
    static const std::vector<verb> verbs = [] {
        std::vector<verb> all;
        for (auto group : {playlist_verbs, menu_verbs, settings_verbs, session_verbs})
            for (const verb& v : group())
                all.push_back(v);
        return all;
    }();
    return verbs;
}

const std::vector<std::pair<std::string, std::string>>& verb_aliases() {
    static const std::vector<std::pair<std::string, std::string>> aliases = {
        {"q", "quit"}, {"h", "help"}, {"?", "help"}};
    return aliases;
}

const verb* verb_named(const std::string& name) {
    std::string full = name;
    for (const auto& [alias, verb_name] : verb_aliases())
        if (name == alias) full = verb_name;
    for (const verb& v : all_verbs())
        if (full == v.name) return &v;
    return nullptr;
}

bool confirmed(const verb_context& context, const std::string& question) {
    std::string answer;
    if (!context.person) return true;
    if (!context.person->ask(question, answer)) return false;
    for (char& c : answer)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return answer == "y" || answer == "yes";
}

void verb_context::stop_point() const {
    if (stop_signal && stop_signal()) throw verb_stopped();
}

void need_component(const verb_context& context) {
    if (!context.app.session.loaded())
        throw verb_error("no component is loaded (load PATH loads one)");
}

void expect_words(const input_line& line, std::size_t least, std::size_t most) {
    const verb* self = verb_named(line.verb());
    std::string usage =
        self ? std::string(" (usage: ") + self->name + (*self->usage ? " " : "") + self->usage + ")"
             : "";
    if (line.count() < least) throw verb_error("missing argument" + usage);
    if (line.count() > most) throw verb_error("too many arguments" + usage);
}

} // namespace host
