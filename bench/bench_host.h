// The two hosts the benchmarks run on, holding the same playlists: the test
// kit's fake host, and the leanest host a component can have, so that a
// reader sees how much a side's cost and its ratios depend on the host. The
// benchmarks change a host's playlists directly, then tell the side under test.
#pragma once

#include "quorvel/client.h"
#include "quorvel/playlists.h"
#include "tests/support/fake_host.h"

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

// What both hosts offer the benchmarks: `playlists` playlists made as
// made_name and made_count make the 0th, 1st, ..., the first one active and
// holding no items.
//   quorvel::host_api& api();
//   void insert(std::uint32_t index, std::uint32_t n); // the n-th made playlist at `index`
//   void erase(std::uint32_t index);
//   void swap(std::uint32_t a, std::uint32_t b);
//   const char* rename(std::uint32_t index); // the other of two names; returns the new one

// The name of the `n`-th playlist made: about 24 bytes, sharing its first 12
// with its neighbours' ("Playlist 000123 — Rock").
std::string made_name(std::uint32_t n);
// Its item count as the roster reports it, up to 499.
std::int32_t made_count(std::uint32_t n);

// The test kit's fake host, not recording: it keeps each playlist's name as a
// std::string, looks services up among several classes and answers each call
// through its model.
class kit_host {
public:
    explicit kit_host(std::uint32_t playlists);

    quorvel::host_api& api() { return host_; }
    void insert(std::uint32_t index, std::uint32_t n);
    void erase(std::uint32_t index);
    void swap(std::uint32_t a, std::uint32_t b);
    const char* rename(std::uint32_t index);

private:
    testing_support::fake_host host_;
    std::string other_name_ = "Renamed playlist";
};

// The leanest host: a lookup answers with one comparison, a name is assigned
// from a text formed beforehand, a count read from an array, and nothing is
// recorded. Playlists may be made up to the `playlists`-th.
class lean_host final : public quorvel::host_api {
public:
    explicit lean_host(std::uint32_t playlists);
    lean_host(const lean_host&) = delete;
    lean_host& operator=(const lean_host&) = delete;

    quorvel::host_api& api() { return *this; }
    void insert(std::uint32_t index, std::uint32_t n);
    void erase(std::uint32_t index);
    void swap(std::uint32_t a, std::uint32_t b);
    const char* rename(std::uint32_t index);

    quorvel::service_object* find_service(const quorvel::guid& cls, std::uint32_t index) override;

private:
    class roster final : public quorvel::playlist_roster {
    public:
        explicit roster(lean_host& host) : host_(host) {}
        int release() override { return 1; }
        int add_ref() override { return 1; }
        quorvel::service_object* query(const quorvel::guid&) override { return nullptr; }
        std::int32_t unused_4(std::uint32_t) override { return 0; }
        bool playlist_name(std::uint32_t index, quorvel::text_buffer& out) override;
        bool unused_6(std::uint32_t) override { return false; }
        std::int32_t playlist_item_count(std::uint32_t index) override;
        std::int32_t unused_8() override { return 0; }
        std::int32_t active_index() override { return host_.active_; }
        bool activate(std::uint32_t index) override;

    private:
        lean_host& host_;
    };
    class active final : public quorvel::active_playlist {
    public:
        explicit active(lean_host& host) : host_(host) {}
        int release() override { return 1; }
        int add_ref() override { return 1; }
        quorvel::service_object* query(const quorvel::guid&) override { return nullptr; }
        std::int32_t item_count() override;
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
        bool remove_masked(const quorvel::index_mask&) override { return true; }
        std::int32_t unused_16() override { return 0; }
        std::int32_t unused_17() override { return 0; }
        std::int32_t insert_handles(quorvel::pointer_list&, std::int32_t, std::int32_t,
                                    std::int32_t, std::int32_t) override {
            return 0;
        }

    private:
        lean_host& host_;
    };

    std::vector<std::string> made_; // the names of every playlist that may be made
    std::vector<const char*> names_;
    std::vector<std::int32_t> counts_;
    std::int32_t active_ = 0;
    const char* other_name_ = "Renamed playlist";
    roster roster_{*this};
    active active_service_{*this};
};

// The host's playlist roster, looked up afresh as the component looks it up.
quorvel::playlist_roster* roster(quorvel::host_api& host);
// Whether a menu query shows by-index command `index` of `commands` for
// `tracks`, asked by `caller`: the calls a query makes before its text.
bool shown(quorvel::host_api& host, std::uint32_t index, quorvel::handle_list& tracks,
           const quorvel::guid& caller, std::uint32_t commands);

} // namespace bench
