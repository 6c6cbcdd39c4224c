// Every slot of every interface of the host contract, against its number and
// its arguments as the contract fixes them, written out here rather than taken
// from the headers. The component, the stand-in host and the other tests all
// compile from the same headers, so a swapped, added or dropped declaration
// passes every other test and would show only against a real host.
#include "quorvel/client.h"
#include "quorvel/commands.h"
#include "quorvel/containers.h"
#include "quorvel/playlists.h"
#include "quorvel/service.h"
#include "quorvel/settings_page.h"
#include "quorvel/version_info.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <type_traits>

namespace quorvel {
namespace {

// How GCC, Clang and MinGW (the Itanium C++ ABI) hold a pointer to a virtual
// member function: 1 + the byte offset of its slot in the operation table,
// then the adjustment of the object pointer (0 with single inheritance).
struct member_pointer_parts {
    std::uintptr_t pointer;
    std::ptrdiff_t adjustment;
};

// The 1-based slot of a virtual member function; 0 for anything else.
template <class Member>
std::uint32_t slot_of(Member member) {
    static_assert(sizeof(Member) == sizeof(member_pointer_parts), "an Itanium ABI member pointer");
    member_pointer_parts parts;
    std::memcpy(&parts, &member, sizeof parts);
    if ((parts.pointer & 1) == 0 || parts.adjustment != 0) return 0;
    return static_cast<std::uint32_t>((parts.pointer - 1) / sizeof(void*) + 1);
}

// The slot of `member`, which must have the type `Signature`: the result and
// arguments of the contract. Under 32-bit Windows the callee pops its own
// arguments, so their number and sizes must match the host's as well.
template <class Signature, class Interface>
std::uint32_t slot(Signature Interface::*member) {
    return slot_of(member);
}

// One slot declared after the interface's own lands just past its last one.
template <class Interface>
class extended : public Interface {
public:
    virtual void one_more() = 0;
};

template <class Interface>
std::uint32_t slot_count() {
    return slot_of(&extended<Interface>::one_more) - 1;
}

// Takes the address of a member that has one declaration only: with an
// overload the name is a set, and the call does not compile. The other
// compiler would order overloaded slots by name, not as declared.
template <class Member>
constexpr bool declared_once(Member) {
    return true;
}

struct slot_row {
    const char* operation;
    std::uint32_t declared; // where the header puts it
    std::uint32_t expected; // where the contract puts it
};

// `Interface::operation`, at slot `number` with the type `Signature` in the contract.
// clang-format off
#define SLOT(Interface, operation, number, /* Signature */...) \
    (declared_once(&Interface::operation), \
     slot_row{#operation, slot<__VA_ARGS__>(&Interface::operation), number})
// clang-format on

template <class Interface>
void expect_slots(std::uint32_t count, std::initializer_list<slot_row> rows) {
    static_assert(!std::has_virtual_destructor_v<Interface>,
                  "a virtual destructor takes two slots here and one in the other compiler");
    EXPECT_EQ(slot_count<Interface>(), count) << "number of slots";
    for (const slot_row& row : rows)
        EXPECT_EQ(row.declared, row.expected) << row.operation;
}

using u32 = std::uint32_t;
using i32 = std::int32_t;

// The tables follow the contract's slot lists line by line.
// clang-format off

TEST(slot_order_test, service_object_and_service_entry_are_in_contract_order) {
    expect_slots<service_object>(3, {
        SLOT(service_object, release, 1, int()),
        SLOT(service_object, add_ref, 2, int()),
        SLOT(service_object, query,   3, service_object*(const guid&)),
    });
    expect_slots<service_entry>(1, {
        SLOT(service_entry, create_instance, 1, service_object*()),
    });
}

TEST(slot_order_test, host_api_client_and_config_sink_are_in_contract_order) {
    expect_slots<host_api>(1, {
        SLOT(host_api, find_service, 1, service_object*(const guid&, u32)),
    });
    expect_slots<component_client>(7, {
        SLOT(component_client, client_version,      1, i32()),
        SLOT(component_client, first_service_entry, 2, service_entry*()),
        SLOT(component_client, save_configuration,  3, void(config_sink&)),
        SLOT(component_client, load_configuration,  4, void(const void*, u32)),
        SLOT(component_client, reset_configuration, 5, void()),
        SLOT(component_client, set_module_location, 6, void(const char*, const char*)),
        SLOT(component_client, set_services_ready,  7, void(bool)),
    });
    expect_slots<config_sink>(1, {
        SLOT(config_sink, write, 1, void(const void*, u32)),
    });
}

TEST(slot_order_test, text_and_list_shapes_are_in_contract_order) {
    expect_slots<text_buffer>(5, {
        SLOT(text_buffer, get_text, 1, const char*()),
        SLOT(text_buffer, append,   2, void(const char*, u32)),
        SLOT(text_buffer, assign,   3, void(const char*, u32)),
        SLOT(text_buffer, truncate, 4, void(u32)),
        SLOT(text_buffer, length,   5, u32()),
    });
    expect_slots<pointer_list>(5, {
        SLOT(pointer_list, count,     1, u32()),
        SLOT(pointer_list, get,       2, void*(u32)),
        SLOT(pointer_list, remove_at, 3, void*(u32)),
        SLOT(pointer_list, filter,    4, void(const index_mask&)),
        SLOT(pointer_list, insert,    5, void(void*, u32)),
    });
    expect_slots<index_mask>(2, {
        SLOT(index_mask, get,  1, bool(u32) const),
        SLOT(index_mask, find, 2, u32(bool, u32, u32) const),
    });
}

TEST(slot_order_test, version_info_is_in_contract_order) {
    expect_slots<version_info>(7, {
        SLOT(version_info, module_name,       4, void(text_buffer&)),
        SLOT(version_info, component_name,    5, void(text_buffer&)),
        SLOT(version_info, component_version, 6, void(text_buffer&)),
        SLOT(version_info, about_text,        7, void(text_buffer&)),
    });
}

TEST(slot_order_test, playlist_services_are_in_contract_order) {
    expect_slots<playlist_roster>(10, {
        SLOT(playlist_roster, unused_4,            4,  i32(u32)),
        SLOT(playlist_roster, playlist_name,       5,  bool(u32, text_buffer&)),
        SLOT(playlist_roster, unused_6,            6,  bool(u32)),
        SLOT(playlist_roster, playlist_item_count, 7,  i32(u32)),
        SLOT(playlist_roster, unused_8,            8,  i32()),
        SLOT(playlist_roster, active_index,        9,  i32()),
        SLOT(playlist_roster, activate,            10, bool(u32)),
    });
    expect_slots<active_playlist>(18, {
        SLOT(active_playlist, item_count,     4,  i32()),
        SLOT(active_playlist, unused_5,       5,  i32()),
        SLOT(active_playlist, unused_6,       6,  i32()),
        SLOT(active_playlist, unused_7,       7,  i32()),
        SLOT(active_playlist, unused_8,       8,  i32()),
        SLOT(active_playlist, unused_9,       9,  i32()),
        SLOT(active_playlist, unused_10,      10, i32()),
        SLOT(active_playlist, unused_11,      11, i32()),
        SLOT(active_playlist, unused_12,      12, i32()),
        SLOT(active_playlist, unused_13,      13, i32()),
        SLOT(active_playlist, unused_14,      14, i32()),
        SLOT(active_playlist, remove_masked,  15, bool(const index_mask&)),
        SLOT(active_playlist, unused_16,      16, i32()),
        SLOT(active_playlist, unused_17,      17, i32()),
        SLOT(active_playlist, insert_handles, 18, i32(pointer_list&, i32, i32, i32, i32)),
    });
}

TEST(slot_order_test, command_source_is_in_contract_order) {
    expect_slots<command_source>(17, {
        SLOT(command_source, default_state,    4,  u32(u32)),
        SLOT(command_source, menu_kind,        5,  u32()),
        SLOT(command_source, command_count,    6,  u32()),
        SLOT(command_source, command_path,     7,  void(u32, text_buffer&)),
        SLOT(command_source, display_text,     8,  bool(u32, pointer_list&, text_buffer&, u32&)),
        SLOT(command_source, execute,          9,  void(u32, pointer_list&)),
        SLOT(command_source, unnamed_10,       10, bool(u32, text_buffer&)),
        SLOT(command_source, unnamed_11,       11, u32(u32)),
        SLOT(command_source, display_text_for, 12, bool(u32, pointer_list&, text_buffer&, u32&, const guid&)),
        SLOT(command_source, execute_for,      13, void(u32, pointer_list&, const guid&)),
        SLOT(command_source, command_guid,     14, bool(u32, guid&)),
        SLOT(command_source, unnamed_15,       15, bool(u32, text_buffer&)),
        SLOT(command_source, execute_step,     16, void(u32, pointer_list&, const guid&)),
        SLOT(command_source, display_step,     17, bool(u32, pointer_list&, text_buffer&, u32&, const guid&)),
    });
}

TEST(slot_order_test, playlist_watcher_is_in_contract_order) {
    expect_slots<playlist_watcher>(10, {
        SLOT(playlist_watcher, unnamed_4,                4,  void(u32, u32)),
        SLOT(playlist_watcher, unnamed_5,                5,  void(u32, u32)),
        SLOT(playlist_watcher, on_playlist_list_changed, 6,  void(u32, u32)),
        SLOT(playlist_watcher, on_playlist_created,      7,  void(u32, const char*, u32)),
        SLOT(playlist_watcher, on_playlist_removed,      8,  void(u32)),
        SLOT(playlist_watcher, on_playlist_renamed,      9,  void(u32, const char*)),
        SLOT(playlist_watcher, unnamed_10,               10, void(u32, u32, u32, u32)),
    });
}

TEST(slot_order_test, settings_page_is_in_contract_order) {
    expect_slots<settings_page>(6, {
        SLOT(settings_page, create_window, 4, HWND(HWND)),
        SLOT(settings_page, page_name,     5, const char*()),
        SLOT(settings_page, parent_name,   6, const char*()),
    });
}

// clang-format on

} // namespace
} // namespace quorvel
