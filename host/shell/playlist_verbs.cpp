// Verbs on the host's playlists, tracks and selection.
#include "plural.h"
#include "shell/verbs.h"

#include <algorithm>
#include <cctype>

namespace host {

namespace {

std::string where(const playlist& list) {
    return " in " + list.name;
}

playlist& active_or_fail(verb_context& c) {
    playlist* list = c.app.model.active_playlist();
    if (!list) throw verb_error("there is no active playlist");
    return *list;
}

std::string selection_text(const playlist& list) {
    std::string out;
    for (std::size_t i = 0; i < list.items.size(); ++i)
        if (list.selected[i]) out += " " + std::to_string(i + 1);
    return out;
}

// The playlist that `line`'s word `n` names: by its position when the word
// is digits, otherwise (or when quoted) by its name.
std::size_t playlist_at(verb_context& c, const input_line& line, std::size_t n) {
    const std::string& word = line.word(n);
    bool digits = !word.empty() && std::all_of(word.begin(), word.end(), [](char ch) {
        return std::isdigit(static_cast<unsigned char>(ch));
    });
    if (digits && !line.quoted(n)) return position(word, c.app.model.count(), "playlist", "");
    for (std::size_t i = 0; i < c.app.model.count(); ++i)
        if (c.app.model.at(i).name == word) return i;
    throw verb_error("no playlist called " + word + " (list shows them)");
}

// Word `n` onwards as a playlist name; it may not be empty.
std::string name_from(const input_line& line, std::size_t n) {
    std::string name = line.rest(n);
    if (name.empty()) throw verb_error("a playlist name cannot be empty");
    return name;
}

void list(verb_context& c, const input_line& line) {
    expect_words(line, 0, 0);
    const playlist_model& model = c.app.model;
    c.app.out << "playlists: " << model.count() << '\n';
    for (std::size_t i = 0; i < model.count(); ++i) {
        const playlist& p = model.at(i);
        c.app.out << (i == model.active() ? "* " : "  ") << i + 1 << ' ' << p.name << ": "
                  << count_of(p.items.size(), "item", "items");
        if (p.selected_count() > 0) c.app.out << ", selected" << selection_text(p);
        c.app.out << '\n';
    }
}

void create(verb_context& c, const input_line& line) {
    expect_words(line, 1, SIZE_MAX);
    std::string name = name_from(line, 0);
    std::size_t index = c.app.create_playlist(name);
    c.app.out << "created " << index + 1 << ' ' << name << '\n';
}

void rename(verb_context& c, const input_line& line) {
    expect_words(line, 2, SIZE_MAX);
    std::size_t index = playlist_at(c, line, 0);
    std::string name = name_from(line, 1);
    std::string old = c.app.model.at(index).name;
    c.app.rename_playlist(index, name);
    c.app.out << "renamed " << index + 1 << ' ' << old << " to " << name << '\n';
}

void remove(verb_context& c, const input_line& line) {
    expect_words(line, 1, 1);
    std::size_t index = playlist_at(c, line, 0);
    std::string name = c.app.model.at(index).name;
    c.app.remove_playlist(index);
    c.app.out << "removed " << index + 1 << ' ' << name << '\n';
}

void move(verb_context& c, const input_line& line) {
    expect_words(line, 2, 2);
    std::size_t from = playlist_at(c, line, 0);
    std::size_t to = playlist_at(c, line, 1);
    std::string name = c.app.model.at(from).name;
    if (from == to) {
        c.app.out << name << " stays at " << from + 1 << '\n';
        return;
    }
    c.app.move_playlist(from, to);
    c.app.out << "moved " << name << " from " << from + 1 << " to " << to + 1 << '\n';
}

void activate(verb_context& c, const input_line& line) {
    expect_words(line, 1, 1);
    std::size_t index = playlist_at(c, line, 0);
    c.app.model.activate(index);
    c.app.out << "active: " << index + 1 << ' ' << c.app.model.at(index).name << '\n';
}

void add(verb_context& c, const input_line& line) {
    expect_words(line, 1, SIZE_MAX);
    playlist& list = active_or_fail(c);
    std::vector<track*> tracks;
    for (std::size_t i = 0; i < line.count(); ++i)
        tracks.push_back(c.app.model.new_track(line.word(i)));
    playlist_model::insert(list, list.items.size(), tracks, false);
    c.app.out << "added " << count_of(tracks.size(), "track", "tracks") << " to " << list.name
              << '\n';
}

void tracks(verb_context& c, const input_line& line) {
    expect_words(line, 0, 1);
    const playlist& list =
        line.count() == 1 ? c.app.model.at(playlist_at(c, line, 0)) : active_or_fail(c);
    c.app.out << list.name << ": " << count_of(list.items.size(), "item", "items") << '\n';
    for (std::size_t i = 0; i < list.items.size(); ++i)
        c.app.out << "  " << i + 1 << (list.selected[i] ? " [x] " : " [ ] ") << list.items[i]->title
                  << '\n';
}

void select(verb_context& c, const input_line& line) {
    expect_words(line, 1, SIZE_MAX);
    playlist& list = active_or_fail(c);
    std::vector<bool> chosen(list.items.size(), false);
    if (line.count() == 1 && !line.quoted(0) && (line.word(0) == "all" || line.word(0) == "none")) {
        std::fill(chosen.begin(), chosen.end(), line.word(0) == "all");
    } else {
        for (std::size_t i = 0; i < line.count(); ++i)
            chosen[position(line.word(i), list.items.size(), "track", where(list))] = true;
    }
    list.selected = chosen;
    std::string picked = selection_text(list);
    c.app.out << "selected in " << list.name << ":" << (picked.empty() ? " none" : picked) << '\n';
}

} // namespace

std::vector<verb> playlist_verbs() {
    return {
        {"list", "", "the playlists, their items and selection; * is active", list},
        {"new", "NAME", "create a playlist at the end", create},
        {"rename", "POS NAME", "rename a playlist", rename, 1},
        {"remove", "POS", "remove a playlist", remove, 1},
        {"move", "FROM TO", "move a playlist to another position", move, 2},
        {"activate", "POS", "make a playlist the active one", activate, 1},
        {"add", "TITLE...", "append tracks to the active playlist", add},
        {"tracks", "[POS]", "the tracks of a playlist (the active one by default)", tracks, 1},
        {"select", "POS...|all|none", "choose the selected tracks of the active playlist", select},
    };
}

} // namespace host
