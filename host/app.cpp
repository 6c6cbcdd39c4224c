#include "app.h"

#include "plural.h"
#include "quorvel/version_info.h"

#include <algorithm>

namespace host {

std::string module_name_of(const std::string& path) {
    std::string name = std::filesystem::path(path).stem().string();
#if !defined(_WIN32)
    if (name.rfind("lib", 0) == 0 && name.size() > 3) name.erase(0, 3);
#endif
    return name;
}

host_app::host_app(std::string library_path, std::filesystem::path profile, std::ostream& output)
    : out(output), library_path_(std::move(library_path)), store_(profile), playlists_(profile) {}

host_app::~host_app() {
    session.unload();
}

std::string host_app::open_profile() {
    profile_problem_ = prepare_profile_folder(store_.folder());
    if (!profile_problem_.empty()) {
        store_.refuse(profile_problem_);
        playlists_.refuse(profile_problem_);
    }
    return profile_problem_;
}

std::vector<std::string> host_app::load_playlists() {
    return playlists_.load(model);
}

std::string host_app::load(const std::string& path) {
    if (session.loaded()) {
        if (std::string error = check_component(path); !error.empty()) return error;
        if (std::string error = save(); !error.empty())
            return "save: " + error + "; the component stays loaded";
        page = nullptr;
        session.unload();
    }
    return start(path, true);
}

std::string host_app::fresh() {
    std::string written;
    std::string kept;
    if (std::string error = save_all(false, written); !error.empty())
        return "save: " + error + "; nothing was changed";
    if (std::string error = keep_before_fresh(kept); !error.empty())
        return error + "; nothing was changed";
    page = nullptr;
    session.unload();
    model = playlist_model();
    if (std::string error = start(library_path_, false); !error.empty()) return error;
    if (std::string error = save(); !error.empty()) return error;
    out << "fresh start: default settings, one empty playlist"
        << (kept.empty() ? "" : "; the old ones are kept as " + kept) << '\n';
    return {};
}

std::string host_app::keep_before_fresh(std::string& kept) const {
    constexpr const char* suffix = ".before-fresh";
    std::string problem;
    std::string settings = store_.copy_beside(suffix, problem);
    if (!problem.empty()) return problem;
    std::string playlists = playlists_.copy_beside(suffix, problem);
    kept = settings + (settings.empty() || playlists.empty() ? "" : " and ") + playlists;
    return problem;
}

std::string host_app::start(const std::string& path, bool stored) {
    library_path_ = path;
    if (std::string error = session.open(path); !error.empty()) return error;
    std::string module = module_name_of(path);
    store_.use(module);
    if (!profile_problem_.empty()) store_.refuse(profile_problem_);
    store::reading reading;
    if (stored) reading = store_.read();
    if (!reading.report.empty()) out << reading.report << '\n';
    if (std::string error = session.start(path, module, reading.bytes, model); !error.empty())
        return error;

    std::vector<published_service> records = session.services_of(quorvel::version_info_class);
    std::string who = "a component";
    if (!records.empty()) {
        version_texts v = read_version(records.front());
        who = v.component_name + " " + v.component_version;
    }
    out << "loaded " << who << " (interface " << session.interface_version() << ", "
        << count_of(session.service_count(), "service", "services") << ")\n";
    return {};
}

std::string host_app::save() {
    return save_and_say(false);
}

std::string host_app::finish() {
    std::string error = save_and_say(true);
    page = nullptr;
    session.unload();
    return error.empty() ? error : "save: " + error;
}

std::string host_app::save_and_say(bool skip_refused) {
    std::string written;
    std::string error = save_all(skip_refused, written);
    if (!written.empty()) out << "saved " << written << '\n';
    return error;
}

std::string host_app::save_all(bool skip_refused, std::string& written) {
    written.clear();
    std::string error;
    if (session.loaded() && !(skip_refused && store_.refused())) {
        std::vector<std::uint8_t> blob = session.save_settings();
        error = store_.save(blob);
        if (error.empty())
            written = store_.file_name() + ", " + count_of(blob.size(), "byte", "bytes");
    }
    if (skip_refused && playlists_.refused()) return error;
    std::size_t size = 0;
    std::string playlist_error = playlists_.save(model, size);
    if (playlist_error.empty())
        written += (written.empty() ? "" : ", and ") + playlists_.file_name() + ", " +
                   count_of(size, "byte", "bytes");
    return error.empty() ? playlist_error : error;
}

std::size_t host_app::create_playlist(const std::string& name) {
    std::size_t index = model.create(name);
    if (session.loaded()) session.playlist_created(static_cast<std::uint32_t>(index), name);
    return index;
}

void host_app::remove_playlist(std::size_t index) {
    model.remove(index);
    if (session.loaded()) session.playlist_removed(static_cast<std::uint32_t>(index));
}

void host_app::rename_playlist(std::size_t index, const std::string& name) {
    model.rename(index, name);
    if (session.loaded()) session.playlist_renamed(static_cast<std::uint32_t>(index), name);
}

void host_app::move_playlist(std::size_t from, std::size_t to) {
    model.move(from, to);
    std::size_t first = std::min(from, to);
    std::size_t count = std::max(from, to) - first + 1;
    if (session.loaded())
        session.playlists_reordered(static_cast<std::uint32_t>(first),
                                    static_cast<std::uint32_t>(count));
}

std::vector<track*> host_app::selection() {
    playlist* list = model.active_playlist();
    return list ? list->selection() : std::vector<track*>{};
}

} // namespace host
