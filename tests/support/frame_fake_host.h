// A scripted host for the frame's lookups: it serves chosen services per
// class and records every lookup made through it.
#pragma once

#include "frame/client.h"
#include "frame/playlists.h"

#include <ostream>
#include <utility>
#include <vector>

namespace frame_support {

// A host-owned service: references are not counted, no other interface.
template <class Interface>
class fake_service : public Interface {
public:
    int release() override { return 1; }
    int add_ref() override { return 1; }
    quorvel::service_object* query(const quorvel::guid&) override { return nullptr; }
};

class plain_service final : public fake_service<quorvel::service_object> {};

class fake_roster final : public fake_service<quorvel::playlist_roster> {
public:
    std::int32_t unused_4(std::uint32_t) override { return 0; }
    bool playlist_name(std::uint32_t, quorvel::text_buffer&) override { return false; }
    bool unused_6(std::uint32_t) override { return false; }
    std::int32_t playlist_item_count(std::uint32_t) override { return 0; }
    std::int32_t unused_8() override { return 0; }
    std::int32_t active_index() override { return -1; }
    bool activate(std::uint32_t) override { return false; }
};

class fake_active_playlist final : public fake_service<quorvel::active_playlist> {
public:
    std::int32_t item_count() override { return 0; }
    std::int32_t unused_5() override { return 0; }
    std::int32_t unused_6() override { return 0; }
    std::int32_t unused_7() override { return 0; }
    std::int32_t unused_8() override { return 0; }
    std::int32_t unused_9() override { return 0; }
    std::int32_t unused_10() override { return 0; }
    std::int32_t unused_11() override { return 0; }
    std::int32_t unused_12() override { return 0; }
    std::int32_t unused_13() override { return 0; }
    std::int32_t unused_14() override { return 0; }
    bool remove_masked(const quorvel::index_mask&) override { return false; }
    std::int32_t unused_16() override { return 0; }
    std::int32_t unused_17() override { return 0; }
    std::int32_t insert_handles(quorvel::handle_list&, std::int32_t, std::int32_t, std::int32_t,
                                std::int32_t) override {
        return 0;
    }
};

struct lookup {
    quorvel::guid cls;
    std::uint32_t index;
    bool operator==(const lookup&) const = default;
};
std::ostream& operator<<(std::ostream& out, const lookup& l);

class fake_host final : public quorvel::host_api {
public:
    // From now on, lookups of `cls` answer `services` by index, then null.
    void serve(const quorvel::guid& cls, std::vector<quorvel::service_object*> services);
    quorvel::service_object* find_service(const quorvel::guid& cls, std::uint32_t index) override;

    std::vector<lookup> lookups;

private:
    std::vector<std::pair<quorvel::guid, std::vector<quorvel::service_object*>>> served_;
};

} // namespace frame_support
