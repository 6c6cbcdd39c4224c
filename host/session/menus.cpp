#include "session/menus.h"

#include <algorithm>

namespace host {

namespace {

std::string group_of(const std::string& path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// Every command source: the host's own first, then the component's.
std::vector<command_source_ref> command_sources(host_directory& directory) {
    std::vector<command_source_ref> sources{
        {directory.main_menu().name(), &directory.main_menu(), true}};
    if (const std::vector<published_service>* published = directory.published())
        for (const published_service& s : *published)
            if (s.cls == quorvel::command_source_class)
                sources.push_back({s.name, static_cast<quorvel::command_source*>(s.object), false});
    return sources;
}

} // namespace

std::vector<menu_entry> context_menu(host_directory& directory, handle_list& handles,
                                     const quorvel::guid& caller) {
    std::vector<menu_entry> entries;
    for (const command_source_ref& source : command_sources(directory)) {
        if (source.menu_kind() != quorvel::menu_context) continue;
        std::optional<command_source_ref> ext = source.extended();
        std::uint32_t count = source.command_count();
        for (std::uint32_t i = 0; i < count; ++i) {
            std::optional<std::string> label =
                ext ? ext->display_text_for(i, handles, caller) : source.display_text(i, handles);
            if (!label) continue;
            std::string path = source.command_path(i);
            entries.push_back({group_of(path), *label, path, source.default_state(i), source, i});
        }
        if (ext) ext->release();
    }
    // One submenu per group, where the group first appears.
    std::vector<std::string> groups;
    for (const menu_entry& e : entries)
        if (std::find(groups.begin(), groups.end(), e.group) == groups.end())
            groups.push_back(e.group);
    std::stable_sort(entries.begin(), entries.end(), [&](const menu_entry& a, const menu_entry& b) {
        return std::find(groups.begin(), groups.end(), a.group) <
               std::find(groups.begin(), groups.end(), b.group);
    });
    return entries;
}

std::vector<shortcut> shortcut_list(host_directory& directory) {
    std::vector<shortcut> list;
    for (const command_source_ref& source : command_sources(directory)) {
        std::uint32_t kind = source.menu_kind();
        std::uint32_t count = source.command_count();
        for (std::uint32_t i = 0; i < count; ++i) {
            std::string path = source.command_path(i);
            list.push_back({path, kind, source.default_state(i), source, i});
        }
    }
    return list;
}

void run_command(const command_source_ref& source, std::uint32_t index, handle_list& handles,
                 const quorvel::guid& caller) {
    if (std::optional<command_source_ref> ext = source.extended()) {
        ext->execute_for(index, handles, caller);
        ext->release();
    } else {
        source.execute(index, handles);
    }
}

std::string state_text(std::uint32_t state) {
    switch (state) {
    case quorvel::state_off:
        return "off";
    case quorvel::state_on:
        return "on";
    case quorvel::state_forced_on:
        return "forced on";
    default:
        return "state " + std::to_string(state);
    }
}

} // namespace host
