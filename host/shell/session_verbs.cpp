// Verbs on the session as a whole: help, what the component publishes, the
// store, and loading the component again.
#include "shell/verbs.h"
#include "trace/guid_text.h"

#include <sstream>

namespace host {

namespace {

// Where the verbs' summaries start; a usage too wide for it has a line of its
// own. The summaries are short enough for help to fit 80 columns.
constexpr std::size_t summary_column = 26;

void help(verb_context& c, const input_line& line) {
    expect_words(line, 0, 0);
    std::string aliases;
    for (const auto& [alias, name] : verb_aliases())
        aliases += (aliases.empty() ? "" : ", ") + alias + " for " + name;
    c.app.out << "Positions count from 1; a playlist can also be named where a position\n"
                 "goes. NAME, TEXT, PATH and LABEL take the rest of the line as written,\n"
                 "unless it is one quoted word. Quote words with spaces; inside quotes, \\\"\n"
                 "and \\\\ stand for \" and \\, and \\xFF for the byte FF (bytes that are not\n"
                 "UTF-8 can be written only so). A line starting with #, or a # standing\n"
                 "alone as a word, starts a comment. Ctrl-C stops a command.\n"
              << "Short names: " << aliases << ".\n";
    for (const verb& v : all_verbs()) {
        std::string head = "  " + std::string(v.name) + (*v.usage ? " " : "") + v.usage;
        c.app.out << head
                  << (head.size() + 2 > summary_column
                          ? "\n" + std::string(summary_column, ' ')
                          : std::string(summary_column - head.size(), ' '))
                  << v.summary << '\n';
    }
}

void about(verb_context& c, const input_line& line) {
    need_component(c);
    expect_words(line, 0, 0);
    const component_session& s = c.app.session;
    c.app.out << "interface version " << s.interface_version() << '\n';
    c.app.out << "services, in list order:\n";
    for (const published_service& p : s.services())
        c.app.out << "  " << guid_text(p.cls) << "  " << p.name << '\n';
    std::vector<published_service> records = s.services_of(quorvel::version_info_class);
    if (records.empty()) {
        c.app.out << "no version record\n";
        return;
    }
    version_texts v = read_version(records.front());
    c.app.out << "version record:\n"
              << "  module name: " << v.module_name << '\n'
              << "  component name: " << v.component_name << '\n'
              << "  component version: " << v.component_version << '\n'
              << "  about text:\n";
    std::istringstream about_lines(v.about_text);
    for (std::string text; std::getline(about_lines, text);)
        c.app.out << (text.empty() ? "" : "    ") << text << '\n';
}

void save(verb_context& c, const input_line& line) {
    need_component(c);
    expect_words(line, 0, 0);
    if (std::string error = c.app.save(); !error.empty()) throw verb_error(error);
}

void fresh(verb_context& c, const input_line& line) {
    expect_words(line, 0, 0);
    if (!confirmed(c, "fresh: default settings and one empty playlist, the old ones kept "
                      "beside them? [y/N] ")) {
        c.app.out << "fresh: nothing was changed\n";
        return;
    }
    if (std::string error = c.app.fresh(); !error.empty()) throw verb_error(error);
}

void store_listing(verb_context& c, const input_line& line) {
    expect_words(line, 0, 0);
    for (const std::string& text : c.app.settings_store().listing()) {
        c.stop_point();
        c.app.out << text << '\n';
    }
}

// Loads the component library at `path` (or the same one again), saying when
// that closed the preferences page.
void reload(verb_context& c, const std::string& path) {
    bool page_open = c.app.page != nullptr;
    std::string error = c.app.load(path);
    if (page_open && !c.app.page)
        c.app.out << "the preferences page was closed (page opens it again)\n";
    if (!error.empty()) throw verb_error(error);
}

void restart(verb_context& c, const input_line& line) {
    expect_words(line, 0, 0);
    reload(c, c.app.library_path());
}

void load(verb_context& c, const input_line& line) {
    expect_words(line, 1, SIZE_MAX);
    reload(c, line.rest(0));
}

void quit(verb_context& c, const input_line& line) {
    expect_words(line, 0, 0);
    c.quit = true;
}

} // namespace

std::vector<verb> session_verbs() {
    return {
        {"help", "", "this list", help},
        {"about", "", "the component's interface, services, version record", about},
        {"save", "", "save the component's settings and the playlists", save},
        {"store", "", "the saved settings byte by byte, and those kept aside", store_listing},
        {"restart", "", "save, unload the component and load it again", restart},
        {"load", "PATH", "save, unload, and load the component library at PATH", load, 0, true},
        {"fresh", "", "a fresh profile, the old one kept; asks at the prompt", fresh, 0, false, 3},
        {"quit", "", "save and leave (so does the end of the input)", quit},
    };
}

} // namespace host
