#include "session/component_calls.h"

#include "services/text_out.h"
#include "trace/trace.h"

namespace host {

namespace {

using trace::direction;

template <class Service>
Service& as(const published_service& s) {
    return *static_cast<Service*>(s.object);
}

} // namespace

std::uint32_t command_source_ref::menu_kind() const {
    trace::mute m(own);
    trace::call c(direction::to_component, name, "menu_kind");
    return c.returns(object->menu_kind());
}

std::uint32_t command_source_ref::command_count() const {
    trace::mute m(own);
    trace::call c(direction::to_component, name, "command_count");
    return c.returns(object->command_count());
}

std::uint32_t command_source_ref::default_state(std::uint32_t index) const {
    trace::mute m(own);
    trace::call c(direction::to_component, name, "default_state", index);
    return c.returns(object->default_state(index));
}

std::string command_source_ref::command_path(std::uint32_t index) const {
    trace::mute m(own);
    trace::call c(direction::to_component, name, "command_path", index, "text");
    text_out out;
    object->command_path(index, out);
    return out.text;
}

std::optional<command_source_ref> command_source_ref::extended() const {
    trace::mute m(own);
    trace::call c(direction::to_component, name, "query", "command_source_ext");
    quorvel::service_object* ext = object->query(quorvel::command_source_ext);
    if (!ext) {
        c.shows("null");
        return std::nullopt;
    }
    // Sources usually answer with themselves; trace lines name the object that answered.
    c.shows(ext == object ? name : "another object");
    return command_source_ref{ext == object ? name : name + ".ext",
                              static_cast<quorvel::command_source*>(ext), own};
}

void command_source_ref::release() const {
    trace::mute m(own);
    trace::call c(direction::to_component, name, "release");
    c.returns(object->release());
}

std::optional<std::string> command_source_ref::display_text(std::uint32_t index,
                                                            handle_list& handles) const {
    trace::mute m(own);
    trace::call c(direction::to_component, name, "display_text", index, handles.describe(), "text",
                  "flags");
    text_out out;
    std::uint32_t flags = 0;
    if (!c.returns(object->display_text(index, handles, out, flags))) return std::nullopt;
    return out.text;
}

std::optional<std::string> command_source_ref::display_text_for(std::uint32_t index,
                                                                handle_list& handles,
                                                                const quorvel::guid& caller) const {
    trace::mute m(own);
    trace::call c(direction::to_component, name, "display_text_for", index, handles.describe(),
                  "text", "flags", trace::caller_name(caller));
    text_out out;
    std::uint32_t flags = 0;
    if (!c.returns(object->display_text_for(index, handles, out, flags, caller)))
        return std::nullopt;
    return out.text;
}

void command_source_ref::execute(std::uint32_t index, handle_list& handles) const {
    trace::mute m(own);
    trace::call c(direction::to_component, name, "execute", index, handles.describe());
    object->execute(index, handles);
}

void command_source_ref::execute_for(std::uint32_t index, handle_list& handles,
                                     const quorvel::guid& caller) const {
    trace::mute m(own);
    trace::call c(direction::to_component, name, "execute_for", index, handles.describe(),
                  trace::caller_name(caller));
    object->execute_for(index, handles, caller);
}

version_texts read_version(const published_service& record) {
    auto& info = as<quorvel::version_info>(record);
    auto read = [&](const char* operation,
                    void (quorvel::version_info::*op)(quorvel::text_buffer&)) {
        trace::call c(direction::to_component, record.name, operation, "text");
        text_out out;
        (info.*op)(out);
        return out.text;
    };
    version_texts texts;
    texts.module_name = read("module_name", &quorvel::version_info::module_name);
    texts.component_name = read("component_name", &quorvel::version_info::component_name);
    texts.component_version = read("component_version", &quorvel::version_info::component_version);
    texts.about_text = read("about_text", &quorvel::version_info::about_text);
    return texts;
}

void notify_created(const published_service& watcher, std::uint32_t index,
                    const std::string& name) {
    trace::call c(direction::to_component, watcher.name, "on_playlist_created", index,
                  trace::quoted(name.c_str()), name.size());
    as<quorvel::playlist_watcher>(watcher).on_playlist_created(
        index, name.c_str(), static_cast<std::uint32_t>(name.size()));
}

void notify_removed(const published_service& watcher, std::uint32_t index) {
    trace::call c(direction::to_component, watcher.name, "on_playlist_removed", index);
    as<quorvel::playlist_watcher>(watcher).on_playlist_removed(index);
}

void notify_renamed(const published_service& watcher, std::uint32_t index,
                    const std::string& name) {
    trace::call c(direction::to_component, watcher.name, "on_playlist_renamed", index,
                  trace::quoted(name.c_str()));
    as<quorvel::playlist_watcher>(watcher).on_playlist_renamed(index, name.c_str());
}

void notify_list_changed(const published_service& watcher, std::uint32_t first,
                         std::uint32_t count) {
    trace::call c(direction::to_component, watcher.name, "on_playlist_list_changed", first, count);
    as<quorvel::playlist_watcher>(watcher).on_playlist_list_changed(first, count);
}

std::string page_name(const published_service& page) {
    trace::call c(direction::to_component, page.name, "page_name");
    const char* name = as<quorvel::settings_page>(page).page_name();
    c.shows(trace::quoted(name));
    return name ? name : "";
}

std::string parent_name(const published_service& page) {
    trace::call c(direction::to_component, page.name, "parent_name");
    const char* name = as<quorvel::settings_page>(page).parent_name();
    c.shows(trace::quoted(name));
    return name ? name : "";
}

HWND create_window(const published_service& page, HWND parent) {
    trace::call c(direction::to_component, page.name, "create_window",
                  parent ? "preferences" : "null");
    HWND window = as<quorvel::settings_page>(page).create_window(parent);
    c.shows(window ? "window" : "null");
    return window;
}

} // namespace host
