// The host's playlist services as the component sees them: the roster of every
// playlist and the playlist that is active at the time of each call.
#pragma once

#include "quorvel/playlists.h"
#include "services/host_service.h"
#include "store/playlist_model.h"

namespace host {

class roster_service final : public host_service<quorvel::playlist_roster> {
public:
    explicit roster_service(playlist_model& model)
        : host_service("playlist_roster"), model_(model) {}

    std::int32_t unused_4(std::uint32_t) override;
    bool playlist_name(std::uint32_t index, quorvel::text_buffer& out) override;
    bool unused_6(std::uint32_t) override;
    std::int32_t playlist_item_count(std::uint32_t index) override;
    std::int32_t unused_8() override;
    std::int32_t active_index() override;
    bool activate(std::uint32_t index) override;

private:
    playlist_model& model_;
};

// The four values after the handles of insert_handles mean, in this host:
// reserved, the position to insert at (negative or past the end: append),
// reserved, and whether the inserted tracks become the playlist's selection.
class active_playlist_service final : public host_service<quorvel::active_playlist> {
public:
    explicit active_playlist_service(playlist_model& model)
        : host_service("active_playlist"), model_(model) {}

    std::int32_t item_count() override;
    std::int32_t unused_5() override { return unused(5); }
    std::int32_t unused_6() override { return unused(6); }
    std::int32_t unused_7() override { return unused(7); }
    std::int32_t unused_8() override { return unused(8); }
    std::int32_t unused_9() override { return unused(9); }
    std::int32_t unused_10() override { return unused(10); }
    std::int32_t unused_11() override { return unused(11); }
    std::int32_t unused_12() override { return unused(12); }
    std::int32_t unused_13() override { return unused(13); }
    std::int32_t unused_14() override { return unused(14); }
    bool remove_masked(const quorvel::index_mask& mask) override;
    std::int32_t unused_16() override { return unused(16); }
    std::int32_t unused_17() override { return unused(17); }
    std::int32_t insert_handles(quorvel::handle_list& handles, std::int32_t reserved_a,
                                std::int32_t position, std::int32_t reserved_c,
                                std::int32_t select) override;

private:
    std::int32_t unused(int slot);
    // The handles of `list` that are the model's tracks, read through the
    // interface when the list is not the host's own.
    std::vector<track*> tracks_of(quorvel::handle_list& list);

    playlist_model& model_;
};

} // namespace host
