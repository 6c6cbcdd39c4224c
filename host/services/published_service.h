// A service the component published, as the host files it, and the two
// reference-count calls the host makes on it.
#pragma once

#include "quorvel/service.h"

#include <string>

namespace host {

struct published_service {
    quorvel::guid cls;
    quorvel::service_object* object;
    std::string name; // in trace lines: its class, with its index when the class has several
};

// Takes a reference on the service; returns the component's count.
int add_ref(const published_service& service);
// Drops a reference; returns the component's count.
int release(const published_service& service);

} // namespace host
