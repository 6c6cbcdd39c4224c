#include "bench/bench_host.h"

#include "quorvel/commands.h"

#include <cstdio>
#include <utility>

namespace bench {

std::string made_name(std::uint32_t n) {
    const char* genres[] = {"Rock", "Jazz", "Ambient", "Baroque", "Podcasts"};
    char name[64];
    std::snprintf(name, sizeof name, "Playlist %06u — %s", n, genres[n % 5]);
    return name;
}

std::int32_t made_count(std::uint32_t n) {
    return static_cast<std::int32_t>(n * 7 % 500);
}

kit_host::kit_host(std::uint32_t playlists) {
    for (std::uint32_t n = 0; n < playlists; ++n)
        insert(n, n);
}

void kit_host::insert(std::uint32_t index, std::uint32_t n) {
    host_.playlists.insert(host_.playlists.begin() + index, {made_name(n), {}, made_count(n)});
    if (host_.active < 0) host_.active = 0;
}

void kit_host::erase(std::uint32_t index) {
    host_.playlists.erase(host_.playlists.begin() + index);
}

void kit_host::swap(std::uint32_t a, std::uint32_t b) {
    std::swap(host_.playlists[a], host_.playlists[b]);
}

const char* kit_host::rename(std::uint32_t index) {
    std::swap(host_.playlists[index].name, other_name_);
    return host_.playlists[index].name.c_str();
}

lean_host::lean_host(std::uint32_t playlists) {
    for (std::uint32_t n = 0; n <= playlists; ++n)
        made_.push_back(made_name(n));
    for (std::uint32_t n = 0; n < playlists; ++n)
        insert(n, n);
}

void lean_host::insert(std::uint32_t index, std::uint32_t n) {
    names_.insert(names_.begin() + index, made_.at(n).c_str());
    counts_.insert(counts_.begin() + index, made_count(n));
}

void lean_host::erase(std::uint32_t index) {
    names_.erase(names_.begin() + index);
    counts_.erase(counts_.begin() + index);
}

void lean_host::swap(std::uint32_t a, std::uint32_t b) {
    std::swap(names_[a], names_[b]);
    std::swap(counts_[a], counts_[b]);
}

const char* lean_host::rename(std::uint32_t index) {
    std::swap(names_[index], other_name_);
    return names_[index];
}

quorvel::service_object* lean_host::find_service(const quorvel::guid& cls, std::uint32_t index) {
    if (cls == quorvel::playlist_roster_class) return index == 0 ? &roster_ : nullptr;
    return cls == quorvel::active_playlist_class && index == 0 ? &active_service_ : nullptr;
}

bool lean_host::roster::playlist_name(std::uint32_t index, quorvel::text_buffer& out) {
    out.assign(host_.names_[index], quorvel::unbounded);
    return true;
}

std::int32_t lean_host::roster::playlist_item_count(std::uint32_t index) {
    return host_.counts_[index];
}

bool lean_host::roster::activate(std::uint32_t index) {
    host_.active_ = static_cast<std::int32_t>(index);
    return true;
}

std::int32_t lean_host::active::item_count() {
    return host_.counts_[static_cast<std::size_t>(host_.active_)];
}

quorvel::playlist_roster* roster(quorvel::host_api& host) {
    return static_cast<quorvel::playlist_roster*>(
        host.find_service(quorvel::playlist_roster_class, 0));
}

bool shown(quorvel::host_api& host, std::uint32_t index, quorvel::handle_list& tracks,
           const quorvel::guid& caller, std::uint32_t commands) {
    if (tracks.count() == 0) return false;
    if (caller == quorvel::caller_playlist_view &&
        roster(host)->active_index() == static_cast<std::int32_t>(index))
        return false;
    return index < commands;
}

} // namespace bench
