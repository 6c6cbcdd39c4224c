// The base of the host's own services: objects that live as long as the host,
// so references are not counted, and that answer no other interface.
#pragma once

#include "quorvel/service.h"
#include "trace/trace.h"

namespace host {

template <class Interface>
class host_service : public Interface {
public:
    int release() override {
        trace::call c(trace::direction::to_host, name_, "release");
        return c.returns(1);
    }
    int add_ref() override {
        trace::call c(trace::direction::to_host, name_, "add_ref");
        return c.returns(1);
    }
    quorvel::service_object* query(const quorvel::guid& cls) override {
        trace::call c(trace::direction::to_host, name_, "query", trace::class_name(cls));
        c.shows("null");
        return nullptr;
    }

    // The service's name in trace lines.
    const char* name() const { return name_; }

protected:
    explicit host_service(const char* name) : name_(name) {}

private:
    const char* name_;
};

} // namespace host
