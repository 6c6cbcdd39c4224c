// The host's playlist services the component calls. Slots named `unused_N`
// hold the place of host operations the component never calls.
#pragma once

#include "quorvel/containers.h"
#include "quorvel/service.h"

namespace quorvel {

inline constexpr guid playlist_roster_class{
    0x8634CA5E, 0x7CE1, 0x419C, {0x97, 0xC9, 0xB4, 0x7B, 0x5B, 0x6C, 0x53, 0x8F}};
inline constexpr guid active_playlist_class{
    0x8CC36FD2, 0x9BC6, 0x46B9, {0xA7, 0x48, 0x15, 0x68, 0xDE, 0x4C, 0xD6, 0x02}};

// Every playlist of the host, by zero-based index.
class playlist_roster : public service_object {
public:
    virtual std::int32_t unused_4(std::uint32_t) = 0;
    // Assigns the name of playlist `index` to `out`; returns false if there is none.
    virtual bool playlist_name(std::uint32_t index, text_buffer& out) = 0;
    virtual bool unused_6(std::uint32_t) = 0;
    // Returns the number of items of playlist `index`.
    virtual std::int32_t playlist_item_count(std::uint32_t index) = 0;
    virtual std::int32_t unused_8() = 0;
    // Returns the index of the active playlist.
    virtual std::int32_t active_index() = 0;
    // Makes playlist `index` the active one; returns true on success.
    virtual bool activate(std::uint32_t index) = 0;
};

// The playlist that is active at the time of each call.
class active_playlist : public service_object {
public:
    // Returns the number of items of the active playlist.
    virtual std::int32_t item_count() = 0;
    virtual std::int32_t unused_5() = 0;
    virtual std::int32_t unused_6() = 0;
    virtual std::int32_t unused_7() = 0;
    virtual std::int32_t unused_8() = 0;
    virtual std::int32_t unused_9() = 0;
    virtual std::int32_t unused_10() = 0;
    virtual std::int32_t unused_11() = 0;
    virtual std::int32_t unused_12() = 0;
    virtual std::int32_t unused_13() = 0;
    virtual std::int32_t unused_14() = 0;
    // Removes every item whose flag in `mask` is true; returns true on success.
    virtual bool remove_masked(const index_mask& mask) = 0;
    virtual std::int32_t unused_16() = 0;
    virtual std::int32_t unused_17() = 0;
    // Adds `handles`; the component always passes 0, -1, 0, 1, whose meaning is the host's.
    virtual std::int32_t insert_handles(handle_list& handles, std::int32_t a, std::int32_t b,
                                        std::int32_t c, std::int32_t d) = 0;
};

} // namespace quorvel
