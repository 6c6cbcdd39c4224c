#include "bench/baseline.h"

#include "frame/playlists.h"
#include "tests/support/host_containers.h"

#include <cstdio>

namespace bench {

namespace {

quorvel::playlist_roster* roster(quorvel::host_api& host) {
    return static_cast<quorvel::playlist_roster*>(
        host.find_service(quorvel::playlist_roster_class, 0));
}

} // namespace

void baseline_rebuild(quorvel::host_api& host, std::uint32_t playlists, const std::string& group,
                      baseline_table& table) {
    auto* active = static_cast<quorvel::active_playlist*>(
        host.find_service(quorvel::active_playlist_class, 0));
    table.labels.clear();
    table.paths.clear();
    int digits = std::snprintf(nullptr, 0, "%u", playlists);
    char buffer[512];
    for (std::uint32_t i = 0; i < playlists; ++i) {
        testing_support::string_buffer name;
        roster(host)->playlist_name(i, name);
        std::int32_t count = roster(host)->active_index() == static_cast<std::int32_t>(i)
                                 ? active->item_count()
                                 : roster(host)->playlist_item_count(i);
        std::snprintf(buffer, sizeof buffer, "%0*u. %s (%d)", digits, i + 1, name.text.c_str(),
                      count);
        table.labels.emplace_back(buffer);
    }
    for (std::uint32_t i = 0; i < playlists; ++i) {
        testing_support::string_buffer name;
        roster(host)->playlist_name(i, name);
        std::string path;
        path.reserve(group.size() + 1 + name.text.size());
        path.append(group).append(1, '/').append(name.text);
        table.paths.push_back(std::move(path));
    }
}

bool baseline_display(quorvel::host_api& host, const baseline_table& table, std::uint32_t index,
                      quorvel::text_buffer& out) {
    if (static_cast<std::uint32_t>(roster(host)->active_index()) == index) return false;
    if (index >= table.labels.size()) return false;
    out.assign(table.labels[index].c_str(), quorvel::unbounded);
    return true;
}

} // namespace bench
