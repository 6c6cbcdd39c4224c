#include "session/component_session.h"

#include "trace/trace.h"
#include "utf8api/windows_types.h"

#include <algorithm>
#include <filesystem>
#include <map>

namespace host {

namespace {

using trace::direction;

// The interface version this host speaks.
constexpr std::int32_t host_interface_version = 35;

// Names for trace lines: the class, and the index the class's lookups give
// each service when the class has more than one (the host's own come first).
std::vector<std::string> service_names(quorvel::service_entry* head) {
    std::map<std::string, int> in_class;
    for (quorvel::service_entry* e = head; e; e = e->next)
        ++in_class[trace::class_name(e->class_guid)];
    std::vector<std::string> names;
    std::map<std::string, int> seen;
    for (quorvel::service_entry* e = head; e; e = e->next) {
        std::string cls = trace::class_name(e->class_guid);
        int first = e->class_guid == quorvel::command_source_class ? 1 : 0; // after the host's own
        names.push_back(first > 0 || in_class[cls] > 1
                            ? cls + "[" + std::to_string(first + seen[cls]++) + "]"
                            : cls);
    }
    return names;
}

// Loads the library at `path` into `library` and resolves its export; returns
// as component_session::open does.
std::string open_component(component_library& library, const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return "no component library at " + path;
    // A bare file name would send the loader searching its own folders.
    std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    std::string target = ec ? path : absolute.string();
    std::string error = library.open(target);
    // The message names the library as the user did.
    for (std::size_t at = error.find(target); at != std::string::npos;
         at = error.find(target, at + path.size()))
        error.replace(at, target.size(), path);
    return error;
}

} // namespace

std::string check_component(const std::string& path) {
    component_library library;
    return open_component(library, path);
}

std::string component_session::open(const std::string& path) {
    unload();
    return open_component(library_, path);
}

std::string component_session::start(const std::string& path, const std::string& module_name,
                                     const std::optional<std::vector<std::uint8_t>>& settings,
                                     const playlist_model& model) {
    if (!library_.entry()) return "no component library is open";
    quorvel::component_client* client = nullptr;
    {
        trace::call c(direction::to_component, "", "quorvel_get_interface", "host_api", "module");
        client = library_.entry()(&directory_, library_.module());
        c.shows(client ? "client" : "null");
    }
    if (!client) {
        library_.close();
        return path + " gave no client from quorvel_get_interface";
    }
    {
        trace::call c(direction::to_component, "client", "client_version");
        version_ = c.returns(client->client_version());
    }
    if (version_ != host_interface_version) {
        library_.close();
        return path + " speaks interface version " + std::to_string(version_) +
               ", this host speaks " + std::to_string(host_interface_version);
    }
    client_ = client;
    {
        trace::call c(direction::to_component, "client", "set_module_location",
                      trace::quoted(path.c_str()), trace::quoted(module_name.c_str()));
        client_->set_module_location(path.c_str(), module_name.c_str());
    }
    if (settings) load_settings(*settings);
    quorvel::service_entry* entry = nullptr;
    {
        trace::call c(direction::to_component, "client", "first_service_entry");
        entry = client_->first_service_entry();
        c.shows(entry ? "entry" : "null");
    }
    // The list is walked through its data members first, which is no call, to name the services.
    std::vector<std::string> names = service_names(entry);
    for (std::size_t i = 0; entry; entry = entry->next, ++i) {
        trace::call c(direction::to_component,
                      "entry(" + trace::class_name(entry->class_guid) + ")", "create_instance");
        quorvel::service_object* object = entry->create_instance();
        c.shows(object ? names[i] : "null");
        if (object) services_.push_back({entry->class_guid, object, names[i]});
    }
    directory_.publish(&services_);

    for (std::size_t i = 0; i < model.count(); ++i)
        playlist_created(static_cast<std::uint32_t>(i), model.at(i).name);
    {
        trace::call c(direction::to_component, "client", "set_services_ready", true);
        client_->set_services_ready(true);
    }
    return {};
}

void component_session::unload() {
    for (HWND window : windows_)
        DestroyWindow(window);
    windows_.clear();
    directory_.publish(nullptr);
    for (const published_service& s : services_)
        release(s);
    services_.clear();
    client_ = nullptr;
    version_ = 0;
    library_.close();
}

void component_session::load_settings(const std::vector<std::uint8_t>& blob) {
    trace::call c(direction::to_component, "client", "load_configuration",
                  trace::bytes(nullptr, static_cast<std::uint32_t>(blob.size())));
    client_->load_configuration(blob.data(), static_cast<std::uint32_t>(blob.size()));
}

std::vector<std::uint8_t> component_session::save_settings() {
    class collecting_sink final : public quorvel::config_sink {
    public:
        void write(const void* bytes, std::uint32_t length) override {
            trace::call c(direction::to_host, "sink", "write", trace::bytes(bytes, length));
            if (!bytes) return;
            auto* b = static_cast<const std::uint8_t*>(bytes);
            data.insert(data.end(), b, b + length);
        }
        std::vector<std::uint8_t> data;
    } sink;
    trace::call c(direction::to_component, "client", "save_configuration", "sink");
    client_->save_configuration(sink);
    return sink.data;
}

std::vector<published_service> component_session::services_of(const quorvel::guid& cls) const {
    std::vector<published_service> out;
    for (const published_service& s : services_)
        if (s.cls == cls) out.push_back(s);
    return out;
}

void component_session::playlist_created(std::uint32_t index, const std::string& name) {
    for (const published_service& w : services_of(quorvel::playlist_watcher_class))
        notify_created(w, index, name);
}

void component_session::playlist_removed(std::uint32_t index) {
    for (const published_service& w : services_of(quorvel::playlist_watcher_class))
        notify_removed(w, index);
}

void component_session::playlist_renamed(std::uint32_t index, const std::string& name) {
    for (const published_service& w : services_of(quorvel::playlist_watcher_class))
        notify_renamed(w, index, name);
}

void component_session::playlists_reordered(std::uint32_t first, std::uint32_t count) {
    for (const published_service& w : services_of(quorvel::playlist_watcher_class))
        notify_list_changed(w, first, count);
}

void component_session::close(HWND window) {
    auto found = std::find(windows_.begin(), windows_.end(), window);
    if (found == windows_.end()) return;
    DestroyWindow(window);
    windows_.erase(found);
}

} // namespace host
