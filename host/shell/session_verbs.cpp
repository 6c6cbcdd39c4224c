// Verbs on the session as a whole: help, what the component publishes, the
// store, and loading the component again.
#include "shell/verbs.h"
#include "trace/guid_text.h"

#include <cstdio>
#include <sstream>

namespace host {

namespace {

// The help's lines fit a terminal of this width.
constexpr std::size_t help_width = 80;
// Where the verbs' summaries start.
constexpr std::size_t summary_column = 26;

void help(verb_context& c, const input_line& line) {
    expect_words(line, 0, 0);
    c.app.out << "Positions count from 1; a playlist can also be named where a position\n"
                 "goes. NAME, TEXT, PATH and LABEL take the rest of the line. Quote words\n"
                 "with spaces; inside quotes, \\\" and \\\\ stand for \" and \\. A line starting\n"
                 "with #, or a # standing alone as a word, starts a comment.\n";
    for (const verb& v : all_verbs()) {
        std::string text = "  " + std::string(v.name) + (*v.usage ? " " : "") + v.usage;
        text += text.size() + 2 > summary_column ? "\n" + std::string(summary_column, ' ')
                                                 : std::string(summary_column - text.size(), ' ');
        // The summary, wrapped at spaces.
        std::size_t column = summary_column;
        std::istringstream words(v.summary);
        bool first = true;
        for (std::string word; words >> word; first = false) {
            if (!first && column + 1 + word.size() > help_width) {
                text += "\n" + std::string(summary_column, ' ');
                column = summary_column;
            } else if (!first) {
                text += ' ';
                ++column;
            }
            text += word;
            column += word.size();
        }
        c.app.out << text << '\n';
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
    if (std::string error = c.app.fresh(); !error.empty()) throw verb_error(error);
}

void store_listing(verb_context& c, const input_line& line) {
    expect_words(line, 0, 0);
    for (const std::string& text : c.app.settings_store().listing())
        c.app.out << text << '\n';
}

void restart(verb_context& c, const input_line& line) {
    expect_words(line, 0, 0);
    if (std::string error = c.app.restart(); !error.empty()) throw verb_error(error);
}

void load(verb_context& c, const input_line& line) {
    expect_words(line, 1, SIZE_MAX);
    if (std::string error = c.app.load(line.rest(0)); !error.empty()) throw verb_error(error);
}

void quit(verb_context& c, const input_line& line) {
    expect_words(line, 0, 0);
    c.quit = true;
}

} // namespace

std::vector<verb> session_verbs() {
    return {
        {"help", "", "this list", help},
        {"about", "", "the component's interface version, services and version record", about},
        {"save", "", "save the component's settings and the playlists", save},
        {"store", "", "the saved store byte by byte, and any damaged store kept aside",
         store_listing},
        {"restart", "", "save, unload the component and load it again", restart},
        {"load", "PATH", "save, unload, and load the component library at PATH", load},
        {"fresh", "",
         "a fresh profile: the component's default settings and one empty playlist, saved",
         fresh},
        {"quit", "", "save and leave (so does the end of the input)", quit},
    };
}

} // namespace host
