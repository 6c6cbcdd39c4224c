#include "bench/baseline.h"

#include "bench/bench_host.h"
#include "quorvel/commands.h"

#include <cstdio>

namespace bench {

namespace {

std::int32_t item_count(quorvel::host_api& host, std::uint32_t index) {
    if (roster(host)->active_index() == static_cast<std::int32_t>(index)) {
        auto* active = static_cast<quorvel::active_playlist*>(
            host.find_service(quorvel::active_playlist_class, 0));
        return active->item_count();
    }
    return roster(host)->playlist_item_count(index);
}

} // namespace

std::string plain_table::label(quorvel::host_api& host, std::uint32_t index, const char* name,
                               const options& o) {
    std::int32_t count = item_count(host, index);
    bool with_count = o.add_total && count >= 0;
    char buffer[512];
    if (o.add_index && with_count)
        std::snprintf(buffer, sizeof buffer, "%0*u. %s (%d)", digits_, index + 1, name, count);
    else if (o.add_index)
        std::snprintf(buffer, sizeof buffer, "%0*u. %s", digits_, index + 1, name);
    else if (with_count)
        std::snprintf(buffer, sizeof buffer, "%s (%d)", name, count);
    else
        return name;
    return buffer;
}

std::string plain_table::path(const char* name, const options& o) {
    std::string path = o.use_custom_group ? o.group : "Relayvo";
    return path.append(1, '/').append(name);
}

void plain_table::rebuild(quorvel::host_api& host, std::uint32_t playlists, const options& o) {
    digits_ = std::snprintf(nullptr, 0, "%u", playlists);
    labels.clear();
    paths.clear();
    for (std::uint32_t i = 0; i < playlists; ++i) {
        roster(host)->playlist_name(i, name_);
        labels.push_back(label(host, i, name_.text.c_str(), o));
    }
    if (!o.show_numbers) return;
    for (std::uint32_t i = 0; i < playlists; ++i) {
        roster(host)->playlist_name(i, name_);
        paths.push_back(path(name_.text.c_str(), o));
    }
}

void plain_table::rename(quorvel::host_api& host, std::uint32_t index, const char* name,
                         const options& o) {
    if (index >= labels.size()) return;
    labels[index] = label(host, index, name, o);
    if (index < paths.size()) paths[index] = path(name, o);
}

bool plain_table::display(quorvel::host_api& host, std::uint32_t index,
                          quorvel::handle_list& tracks, quorvel::text_buffer& out,
                          const quorvel::guid& caller) {
    if (!shown(host, index, tracks, caller, command_count())) return false;
    out.assign(labels[index].c_str(), quorvel::unbounded);
    return true;
}

} // namespace bench
