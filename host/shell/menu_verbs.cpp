// Verbs that show the host's menus and run their commands.
#include "plural.h"
#include "session/menus.h"
#include "shell/verbs.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace host {

namespace {

struct menu_request {
    quorvel::guid caller = quorvel::caller_playlist_view;
    std::size_t next = 0; // the first word after the caller
};

// Whether `text` is a menu entry's position: digits, or # and digits.
bool is_position(const std::string& text) {
    std::string digits = text.size() > 1 && text[0] == '#' ? text.substr(1) : text;
    return !digits.empty() && std::all_of(digits.begin(), digits.end(), [](char ch) {
        return std::isdigit(static_cast<unsigned char>(ch));
    });
}

// An optional first word naming the caller: "view" (the default) or "none".
// `named` says whether the first word must be a caller, if there is one.
menu_request caller_from(const input_line& line, bool named) {
    menu_request r;
    if (line.count() > 0 && !line.quoted(0)) {
        if (line.word(0) == "view") r.next = 1;
        if (line.word(0) == "none") {
            r.caller = quorvel::caller_none;
            r.next = 1;
        }
    }
    if (named && line.count() > 0 && r.next == 0)
        throw verb_error("view or none, not " + line.word(0));
    return r;
}

std::string caller_text(const quorvel::guid& caller) {
    return caller == quorvel::caller_playlist_view ? "playlist view" : "no caller";
}

// The active playlist's selected tracks; fails when there are none.
std::vector<track*> selected_or_fail(verb_context& c) {
    playlist* list = c.app.model.active_playlist();
    if (!list) throw verb_error("there is no active playlist");
    if (list->selected_count() == 0) throw verb_error("nothing is selected in " + list->name);
    return list->selection();
}

void menu(verb_context& c, const input_line& line) {
    need_component(c);
    menu_request r = caller_from(line, line.count() == 1);
    if (line.count() > r.next) throw verb_error("too many arguments (usage: menu [view|none])");
    playlist* list = c.app.model.active_playlist();
    handle_list handles(c.app.model, c.app.selection());
    std::vector<menu_entry> entries = context_menu(c.app.directory, handles, r.caller);
    c.app.out << "context menu, " << caller_text(r.caller) << ", "
              << count_of(handles.items().size(), "track", "tracks") << " selected"
              << (list ? " in " + list->name : std::string()) << ":\n";
    if (entries.empty()) c.app.out << "  (empty)\n";
    const std::string* group = nullptr;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        c.stop_point();
        const menu_entry& e = entries[i];
        if (!e.group.empty() && (!group || *group != e.group)) c.app.out << "  " << e.group << '\n';
        group = &e.group;
        c.app.out << (e.group.empty() ? "  #" : "    #") << i + 1 << ' ' << e.label << "  ["
                  << state_text(e.state) << "]\n";
    }
}

void invoke(verb_context& c, const input_line& line) {
    need_component(c);
    // Two words ending in a position: the first must name the caller.
    menu_request r =
        caller_from(line, line.count() == 2 && !line.quoted(1) && is_position(line.word(1)));
    if (line.count() <= r.next)
        throw verb_error("missing argument (usage: invoke [view|none] #POS|LABEL)");
    std::vector<track*> tracks = selected_or_fail(c);
    handle_list handles(c.app.model, tracks);
    std::vector<menu_entry> entries = context_menu(c.app.directory, handles, r.caller);

    std::string wanted = line.rest(r.next);
    const menu_entry* chosen = nullptr;
    if (!line.quoted(r.next) && is_position(wanted)) {
        std::string number = wanted[0] == '#' ? wanted.substr(1) : wanted;
        std::size_t n = position(number, entries.size(), "menu entry", "");
        chosen = &entries[n];
    } else {
        for (const menu_entry& e : entries)
            if (e.label == wanted) {
                chosen = &e;
                break;
            }
        if (!chosen) throw verb_error("no menu entry labelled \"" + wanted + "\"");
    }
    run_command(chosen->source, chosen->index, handles, r.caller);
    c.app.out << "invoked " << chosen->label << " (" << chosen->path << ") on "
              << count_of(tracks.size(), "track", "tracks") << '\n';
}

void shortcuts(verb_context& c, const input_line& line) {
    need_component(c);
    expect_words(line, 0, 0);
    std::vector<shortcut> list = shortcut_list(c.app.directory);
    c.app.out << "shortcut commands: " << list.size() << '\n';
    for (const shortcut& s : list) {
        c.stop_point();
        std::string kind = s.kind == quorvel::menu_main      ? "main   "
                           : s.kind == quorvel::menu_context ? "context"
                                                             : "kind " + std::to_string(s.kind);
        std::string state = state_text(s.state);
        state.resize(std::max<std::size_t>(state.size(), 9), ' ');
        c.app.out << "  " << kind << "  " << state << "  " << s.path << '\n';
    }
}

void run(verb_context& c, const input_line& line) {
    need_component(c);
    expect_words(line, 1, SIZE_MAX);
    std::string path = line.rest(0);
    std::vector<shortcut> list = shortcut_list(c.app.directory);
    const shortcut* chosen = nullptr;
    for (const shortcut& s : list)
        if (s.path == path) {
            chosen = &s;
            break;
        }
    if (!chosen) throw verb_error("no command at " + path + " (shortcuts lists them)");
    // A context-menu command acts on the selection; a main-menu one on the active playlist.
    std::vector<track*> tracks =
        chosen->kind == quorvel::menu_context ? selected_or_fail(c) : c.app.selection();
    handle_list handles(c.app.model, tracks);
    run_command(chosen->source, chosen->index, handles, quorvel::caller_none);
    c.app.out << "ran " << path << " on " << count_of(tracks.size(), "track", "tracks") << '\n';
}

} // namespace

std::vector<verb> menu_verbs() {
    return {
        {"menu", "[view|none]", "the selection's context menu, as the view or none asks", menu},
        {"invoke", "[view|none] #POS|LABEL", "run a context-menu entry by position or label",
         invoke, 0, true},
        {"shortcuts", "", "every command, as the shortcut list shows them", shortcuts},
        {"run", "PATH", "run a command by its path, as a shortcut does", run, 0, true},
    };
}

} // namespace host
