// The base of every service exchanged with the host, and the list entry
// through which a component publishes its services.
#pragma once

#include "quorvel/abi.h"

#include <cstddef>

namespace quorvel {

class service_object {
public:
    // Drops a reference; returns the count left (static services answer 1).
    virtual int release() = 0;
    // Takes a reference; returns the new count (static services answer 1).
    virtual int add_ref() = 0;
    // Returns another interface of the same object for class `cls`, or null.
    virtual service_object* query(const guid& cls) = 0;
};

// One published service. The host walks the list from the client's first
// entry through `next`; the concrete entry embeds the service after these members.
class service_entry {
public:
    // Takes a reference on the embedded service and returns it.
    virtual service_object* create_instance() = 0;

    service_entry* next;
    guid class_guid;
};
// The host reads these fields by offset. offsetof on a class with an operation
// table is conditionally supported; GCC and Clang support it.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
static_assert(offsetof(service_entry, next) == sizeof(void*) &&
                  offsetof(service_entry, class_guid) == 2 * sizeof(void*) &&
                  sizeof(service_entry) == 2 * sizeof(void*) + sizeof(guid),
              "service_entry is the operation table, next, then the class guid");
#pragma GCC diagnostic pop

} // namespace quorvel
