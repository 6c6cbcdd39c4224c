#include "services/published_service.h"

#include "trace/trace.h"

namespace host {

int add_ref(const published_service& service) {
    trace::call c(trace::direction::to_component, service.name, "add_ref");
    return c.returns(service.object->add_ref());
}

int release(const published_service& service) {
    trace::call c(trace::direction::to_component, service.name, "release");
    return c.returns(service.object->release());
}

} // namespace host
