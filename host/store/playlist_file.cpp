#include "store/playlist_file.h"

#include <nlohmann/json.hpp>

namespace host {

namespace {

using json = nlohmann::json;

// The playlists in `document`, or why there are none.
std::string model_from(const json& document, playlist_model& model) {
    if (!document.is_object()) return "not a JSON object";
    const json& lists = document.value("playlists", json());
    if (!lists.is_array()) return "no list of playlists";
    playlist_model read;
    read.remove(0);
    for (const json& list : lists) {
        if (!list.is_object() || !list.value("name", json()).is_string())
            return "a playlist without a name";
        const json& titles = list.value("tracks", json::array());
        if (!titles.is_array()) return "a playlist's tracks are not a list";
        playlist& made = read.at(read.create(list["name"].get<std::string>()));
        std::vector<track*> tracks;
        for (const json& title : titles) {
            if (!title.is_string()) return "a track without a title";
            tracks.push_back(read.new_track(title.get<std::string>()));
        }
        playlist_model::insert(made, 0, tracks, false);
    }
    const json& active = document.value("active", json());
    if (!active.is_null() &&
        (!active.is_number_unsigned() || !read.activate(active.get<std::size_t>())))
        return "the active playlist is not one of them";
    model = std::move(read);
    return {};
}

} // namespace

std::string playlist_file::load(playlist_model& model) {
    profile_file::contents stored = file_.read();
    if (stored.state == profile_file::contents::missing) return {};
    if (stored.state == profile_file::contents::unreadable)
        return "playlists: " + stored.problem +
               "; the host starts with its own, and saves are refused";
    json document = json::parse(stored.bytes.begin(), stored.bytes.end(), nullptr, false);
    std::string problem = document.is_discarded() ? "not JSON" : model_from(document, model);
    if (problem.empty()) return stored.note.empty() ? "" : "playlists: " + stored.note;
    return "playlists: " + file_.name() + " is damaged (" + problem + "); " + file_.keep_aside() +
           "; the host starts with its own";
}

std::string playlist_file::save(const playlist_model& model, std::size_t& size) {
    json lists = json::array();
    for (std::size_t i = 0; i < model.count(); ++i) {
        json titles = json::array();
        for (const track* t : model.at(i).items)
            titles.push_back(t->title);
        lists.push_back({{"name", model.at(i).name}, {"tracks", std::move(titles)}});
    }
    json document = {{"playlists", std::move(lists)}, {"active", nullptr}};
    if (model.active() != playlist_model::none) document["active"] = model.active();
    // Names are kept as typed; bytes that are no UTF-8 are written as U+FFFD.
    std::string text = document.dump(2, ' ', false, json::error_handler_t::replace) + '\n';
    size = text.size();
    return file_.write(std::vector<std::uint8_t>(text.begin(), text.end()));
}

} // namespace host
