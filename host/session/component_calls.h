// The host's calls into the component's objects, each traced. The host reaches
// the component only through these and through the client in the session.
#pragma once

#include "quorvel/commands.h"
#include "quorvel/settings_page.h"
#include "quorvel/version_info.h"
#include "services/handle_list.h"
#include "services/published_service.h"

#include <optional>
#include <string>

namespace host {

// A command source the host knows: one of the component's, or the host's own,
// whose calls are not traced since they never cross to the component.
struct command_source_ref {
    std::string name;
    quorvel::command_source* object;
    bool own;

    std::uint32_t menu_kind() const;
    std::uint32_t command_count() const;
    std::uint32_t default_state(std::uint32_t index) const;
    std::string command_path(std::uint32_t index) const;
    // The extended interface, which the caller releases; none if not offered.
    std::optional<command_source_ref> extended() const;
    void release() const;
    // The label of command `index`, or none when it is hidden.
    std::optional<std::string> display_text(std::uint32_t index, handle_list& handles) const;
    std::optional<std::string> display_text_for(std::uint32_t index, handle_list& handles,
                                                const quorvel::guid& caller) const;
    void execute(std::uint32_t index, handle_list& handles) const;
    void execute_for(std::uint32_t index, handle_list& handles, const quorvel::guid& caller) const;
};

// The texts of a version record.
struct version_texts {
    std::string module_name, component_name, component_version, about_text;
};
version_texts read_version(const published_service& record);

// A playlist watcher's notifications.
void notify_created(const published_service& watcher, std::uint32_t index, const std::string& name);
void notify_removed(const published_service& watcher, std::uint32_t index);
void notify_renamed(const published_service& watcher, std::uint32_t index, const std::string& name);
void notify_list_changed(const published_service& watcher, std::uint32_t first,
                         std::uint32_t count);

// A settings page's names and window.
std::string page_name(const published_service& page);
std::string parent_name(const published_service& page);
HWND create_window(const published_service& page, HWND parent);

} // namespace host
