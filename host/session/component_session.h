// One loaded component, from its start-up to its unload: the library, its
// client, the services it published, and the windows the host made from them.
#pragma once

#include "services/host_directory.h"
#include "session/component_calls.h"
#include "session/component_library.h"
#include "store/playlist_model.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace host {

// Whether `path` is a component library the host can load: an empty text
// when it is, otherwise one line saying why not. Nothing stays loaded.
std::string check_component(const std::string& path);

class component_session {
public:
    explicit component_session(host_directory& directory) : directory_(directory) {}
    ~component_session() { unload(); }
    component_session(const component_session&) = delete;
    component_session& operator=(const component_session&) = delete;

    // Loads the library at `path` and resolves its export. Returns an empty
    // text on success, otherwise one line saying what went wrong.
    std::string open(const std::string& path);
    // Starts the opened component: the entry point, its module location, the
    // stored settings (when there are any), the services, one creation notice
    // per playlist of `model`, and services ready. Returns as open does; on
    // failure the library is unloaded.
    std::string start(const std::string& path, const std::string& module_name,
                      const std::optional<std::vector<std::uint8_t>>& settings,
                      const playlist_model& model);
    // Closes the host's windows of the component, releases its services and
    // unloads the library. Saving is the caller's business, before.
    void unload();
    bool loaded() const { return client_ != nullptr; }

    // Hands `blob` to the component's configuration loader.
    void load_settings(const std::vector<std::uint8_t>& blob);
    // The component's settings blob.
    std::vector<std::uint8_t> save_settings();

    // The services of class `cls`, in list order.
    std::vector<published_service> services_of(const quorvel::guid& cls) const;
    std::size_t service_count() const { return services_.size(); }
    const std::vector<published_service>& services() const { return services_; }
    std::int32_t interface_version() const { return version_; }

    // Playlist events, told to every playlist watcher.
    void playlist_created(std::uint32_t index, const std::string& name);
    void playlist_removed(std::uint32_t index);
    void playlist_renamed(std::uint32_t index, const std::string& name);
    void playlists_reordered(std::uint32_t first, std::uint32_t count);

    // Keeps `window` until unload, when it is destroyed before its code goes.
    void adopt(HWND window) { windows_.push_back(window); }
    // Destroys `window` now.
    void close(HWND window);

private:
    host_directory& directory_;
    component_library library_;
    quorvel::component_client* client_ = nullptr;
    std::int32_t version_ = 0;
    std::vector<published_service> services_;
    std::vector<HWND> windows_;
};

} // namespace host
