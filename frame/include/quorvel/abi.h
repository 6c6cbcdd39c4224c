// The one place that decides how the component and a host meet: the export
// attribute, the module handle type and the guid that names every interface.
// No interface declares two virtual functions with one name, or a virtual
// destructor: the host's compiler would number those slots otherwise.
#pragma once

#include "quorvel/window_types.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(_WIN32)
#define QUORVEL_EXPORT extern "C" __declspec(dllexport)
#else
#define QUORVEL_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace quorvel {

#if defined(_WIN32)
using module_handle = HINSTANCE;
#else
using module_handle = void*; // the handle the host's loader returned
#endif

// 16 bytes in the Windows layout; names interface classes, callers and commands.
struct guid {
    std::uint32_t data1;
    std::uint16_t data2;
    std::uint16_t data3;
    std::uint8_t data4[8];
};
static_assert(sizeof(guid) == 16 && offsetof(guid, data2) == 4 && offsetof(guid, data3) == 6 &&
                  offsetof(guid, data4) == 8,
              "guid is 16 bytes in the Windows layout");

// Equality is all 16 bytes, as the host compares them.
inline bool operator==(const guid& a, const guid& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace quorvel
