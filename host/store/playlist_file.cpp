#include "store/playlist_file.h"

#include "plural.h"
#include "utf8_text.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <optional>

namespace host {

namespace {

using json = nlohmann::json;

// A name or title is kept as a JSON string when it is UTF-8, as JSON text
// must be. One that is not is kept as {"bytes": TEXT}: TEXT is the name with
// each byte that is not UTF-8 written as \xHH (two lowercase hex digits) and
// each backslash as \\, so that it comes back byte for byte.
constexpr const char* bytes_key = "bytes";

json text_value(const std::string& text) {
    if (first_non_utf8(text) == std::string::npos) return text;
    std::string marked;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = utf8_sequence_at(text, at);
        if (text[at] == '\\') {
            marked += "\\\\";
        } else if (length > 0) {
            marked.append(text, at, length);
        } else {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02x", static_cast<unsigned char>(text[at]));
            marked += escape;
        }
        at += length > 0 ? length : 1;
    }
    return json{{bytes_key, marked}};
}

// The text `value` holds in either form, or nothing when it holds none.
std::optional<std::string> text_of(const json& value) {
    if (value.is_string()) return value.get<std::string>();
    if (!value.is_object() || value.size() != 1 || !value.contains(bytes_key) ||
        !value[bytes_key].is_string())
        return std::nullopt;
    const std::string& marked = value[bytes_key].get_ref<const std::string&>();
    std::string text;
    for (std::size_t at = 0; at < marked.size(); ++at) {
        if (marked[at] != '\\') {
            text += marked[at];
        } else if (marked.compare(at, 2, "\\\\") == 0) {
            text += '\\';
            ++at;
        } else if (char byte; byte_escape_at(marked, at, byte)) {
            text += byte;
            at += 3;
        } else {
            return std::nullopt;
        }
    }
    return text;
}

// Reads the playlists in `document` into `model`, repairing what can be
// repaired, with one line in `repairs` for each thing repaired or dropped.
// Returns why `document` holds no playlists at all, or an empty text.
std::string model_from(const json& document, playlist_model& model,
                       std::vector<std::string>& repairs) {
    if (!document.is_object()) return "not a JSON object";
    const json& lists = document.value("playlists", json());
    if (!lists.is_array()) return "no list of playlists";
    playlist_model read;
    read.remove(0);
    // Where each playlist of the file went in `read`, for the active one.
    std::vector<std::size_t> made_at;
    for (const json& list : lists) {
        std::string where = "playlist " + std::to_string(made_at.size() + 1);
        if (!list.is_object()) {
            repairs.push_back(where + " is not a playlist (" + list.dump() + "); dropped");
            made_at.push_back(playlist_model::none);
            continue;
        }
        std::optional<std::string> name = text_of(list.value("name", json()));
        if (!name) {
            name = "Playlist " + std::to_string(made_at.size() + 1);
            repairs.push_back(where + " has no name; it is named " + *name);
        }
        where += " (" + *name + ")";
        made_at.push_back(read.create(*name));
        const json& titles = list.value("tracks", json::array());
        if (!titles.is_array()) {
            repairs.push_back(where + ": its tracks are not a list; it is kept empty");
            continue;
        }
        std::vector<track*> tracks;
        for (const json& title : titles)
            if (std::optional<std::string> text = text_of(title))
                tracks.push_back(read.new_track(*text));
        if (std::size_t dropped = titles.size() - tracks.size())
            repairs.push_back(where + ": dropped " + count_of(dropped, "track", "tracks") +
                              plural(dropped, " that is not text", " that are not text"));
        playlist_model::insert(read.at(made_at.back()), 0, tracks, false);
    }
    if (read.count() == 0) {
        read = playlist_model();
        repairs.push_back(
            "no playlists; the host starts with one empty playlist, as at first start");
    } else if (const json& active = document.value("active", json()); !active.is_null()) {
        bool found = active.is_number_unsigned() && active.get<std::size_t>() < made_at.size() &&
                     read.activate(made_at[active.get<std::size_t>()]);
        if (!found) {
            read.activate(0);
            repairs.push_back("the active playlist, " + active.dump() +
                              ", is not one of them; the first one is active");
        }
    }
    model = std::move(read);
    return {};
}

} // namespace

std::vector<std::string> playlist_file::load(playlist_model& model) {
    std::string about = file_.name() + ": ";
    profile_file::contents stored = file_.read();
    if (stored.state == profile_file::contents::missing) return {};
    if (stored.state == profile_file::contents::unreadable)
        return {about + stored.problem +
                "; the host starts with one empty playlist, and saves are refused"};
    json document = json::parse(stored.bytes.begin(), stored.bytes.end(), nullptr, false);
    std::vector<std::string> repairs;
    std::string problem =
        document.is_discarded() ? "not JSON" : model_from(document, model, repairs);
    if (!problem.empty())
        return {about + "damaged (" + problem + "); " + file_.keep_aside() +
                "; the host starts with one empty playlist"};
    std::vector<std::string> lines;
    for (const std::string& repair : repairs)
        lines.push_back(about + repair);
    if (!stored.note.empty()) lines.push_back(about + stored.note);
    return lines;
}

std::string playlist_file::save(const playlist_model& model, std::size_t& size) {
    json lists = json::array();
    for (std::size_t i = 0; i < model.count(); ++i) {
        json titles = json::array();
        for (const track* t : model.at(i).items)
            titles.push_back(text_value(t->title));
        lists.push_back({{"name", text_value(model.at(i).name)}, {"tracks", std::move(titles)}});
    }
    json document = {{"playlists", std::move(lists)}, {"active", nullptr}};
    if (model.active() != playlist_model::none) document["active"] = model.active();
    std::string text = document.dump(2) + '\n';
    size = text.size();
    return file_.write(std::vector<std::uint8_t>(text.begin(), text.end()));
}

} // namespace host
