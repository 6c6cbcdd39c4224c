// A host of N playlists that answers at once, so the benchmarks measure the
// component's own work and the baseline's, not the host's.
#pragma once

#include "frame/client.h"
#include "frame/playlists.h"
#include "tests/support/frame_fake_host.h"

#include <string>
#include <vector>

namespace bench {

class quick_host final : public quorvel::host_api, public quorvel::playlist_roster {
public:
    explicit quick_host(std::size_t playlists);

    quorvel::service_object* find_service(const quorvel::guid& cls, std::uint32_t index) override;

    int release() override { return 1; }
    int add_ref() override { return 1; }
    quorvel::service_object* query(const quorvel::guid&) override { return nullptr; }
    std::int32_t unused_4(std::uint32_t) override { return 0; }
    bool playlist_name(std::uint32_t index, quorvel::text_buffer& out) override {
        out.assign(names[index].c_str(), quorvel::unbounded);
        return true;
    }
    bool unused_6(std::uint32_t) override { return false; }
    std::int32_t playlist_item_count(std::uint32_t index) override {
        return static_cast<std::int32_t>(index * 7 % 500);
    }
    std::int32_t unused_8() override { return 0; }
    std::int32_t active_index() override { return 0; }
    bool activate(std::uint32_t) override { return true; }

    std::vector<std::string> names;
    frame_support::fake_active_playlist active_list;
};

} // namespace bench
