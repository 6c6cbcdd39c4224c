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

// Position `n` right-aligned among positions up to `last`.
std::string aligned(std::size_t n, std::size_t last) {
    std::string text = std::to_string(n);
    return std::string(std::to_string(last).size() - text.size(), ' ') + text;
}

std::string selection_text(const playlist& list) {
    std::string out;
    for (std::size_t i = 0; i < list.items.size(); ++i)
        if (list.selected[i]) out += " " + std::to_string(i + 1);
    return out;
}

// The positions of the playlists called `name`, from 0.
std::vector<std::size_t> positions_named(const playlist_model& model, const std::string& name) {
    std::vector<std::size_t> named;
    for (std::size_t i = 0; i < model.count(); ++i)
        if (model.at(i).name == name) named.push_back(i);
    return named;
}

// Positions counted from 0, as the user counts them: "2, 3 and 5".
std::string positions_text(const std::vector<std::size_t>& positions) {
    std::string out;
    for (std::size_t i = 0; i < positions.size(); ++i)
        out += (i == 0                      ? ""
                : i + 1 == positions.size() ? " and "
                                            : ", ") +
               std::to_string(positions[i] + 1);
    return out;
}

// Warns that `name` is already the name of other playlists than `self`.
void warn_if_taken(verb_context& c, const std::string& name, std::size_t self) {
    std::vector<std::size_t> named = positions_named(c.app.model, name);
    named.erase(std::remove(named.begin(), named.end(), self), named.end());
    if (!named.empty())
        c.warnings.push_back(std::string(plural(named.size(), "playlist ", "playlists ")) +
                             positions_text(named) + " already " +
                             plural(named.size(), "has", "have") + " that name");
}

// The playlist that `line`'s word `n` names: by its position when the word
// is digits, otherwise (or when quoted) by its name.
std::size_t playlist_at(verb_context& c, const input_line& line, std::size_t n) {
    const std::string& word = line.word(n);
    bool digits = !word.empty() && std::all_of(word.begin(), word.end(), [](char ch) {
        return std::isdigit(static_cast<unsigned char>(ch));
    });
    if (digits && !line.quoted(n)) return position(word, c.app.model.count(), "playlist", "");
    std::vector<std::size_t> named = positions_named(c.app.model, word);
    if (named.empty()) throw verb_error("no playlist called " + word + " (list shows them)");
    if (named.size() > 1)
        throw verb_error(std::to_string(named.size()) + " playlists are called " + word + " (" +
                         positions_text(named) + "); give the position");
    return named.front();
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
        c.stop_point();
        const playlist& p = model.at(i);
        c.app.out << (i == model.active() ? "* " : "  ") << aligned(i + 1, model.count()) << ' '
                  << p.name << ": " << count_of(p.items.size(), "item", "items");
        if (p.selected_count() > 0) c.app.out << ", selected" << selection_text(p);
        c.app.out << '\n';
    }
}

void create(verb_context& c, const input_line& line) {
    expect_words(line, 1, SIZE_MAX);
    std::string name = name_from(line, 0);
    warn_if_taken(c, name, SIZE_MAX);
    std::size_t index = c.app.create_playlist(name);
    c.app.out << "created " << index + 1 << ' ' << name << '\n';
}

void rename(verb_context& c, const input_line& line) {
    expect_words(line, 2, SIZE_MAX);
    std::size_t index = playlist_at(c, line, 0);
    std::string name = name_from(line, 1);
    warn_if_taken(c, name, index);
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
    for (std::size_t i = 0; i < list.items.size(); ++i) {
        c.stop_point();
        c.app.out << "  " << aligned(i + 1, list.items.size())
                  << (list.selected[i] ? " [x] " : " [ ] ") << list.items[i]->title << '\n';
    }
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
        {"new", "NAME", "create a playlist at the end", create, 0, true},
        {"rename", "POS NAME", "rename a playlist", rename, 1, true},
        {"remove", "POS", "remove a playlist", remove, 1},
        {"move", "FROM TO", "move a playlist to another position", move, 2},
        {"activate", "POS", "make a playlist the active one", activate, 1},
        {"add", "TITLE...", "append tracks to the active playlist", add},
        {"tracks", "[POS]", "the tracks of a playlist (the active one by default)", tracks, 1},
        {"select", "POS...|all|none", "choose the selected tracks of the active playlist", select},
    };
}

} // namespace host
