// The list of services the component publishes, which the host walks from
// the client's first entry.
#pragma once

#include "frame/host_thread.h"
#include "quorvel/service.h"

#include <utility>

namespace relayvo {

// The base of the component's static services: one instance for the life of
// the library, so references are not counted. Answers no other interface.
template <class Interface>
class static_service : public Interface {
public:
    int release() override {
        check_host_thread();
        return 1;
    }
    int add_ref() override {
        check_host_thread();
        return 1;
    }
    quorvel::service_object* query(const quorvel::guid&) override {
        check_host_thread();
        return nullptr;
    }
};

// Puts `entry` at the head of the published list.
void link_in(quorvel::service_entry& entry);
// The head of the published list: the most recently linked entry.
quorvel::service_entry* first_entry();

// A published service: the entry the host walks, with its single instance
// embedded after it. Linked in when constructed.
template <class Service>
class published final : public quorvel::service_entry {
public:
    template <class... Args>
    explicit published(const quorvel::guid& cls, Args&&... args)
        : service(std::forward<Args>(args)...) {
        next = nullptr;
        class_guid = cls;
        link_in(*this);
    }
    quorvel::service_object* create_instance() override {
        check_host_thread();
        service.add_ref();
        return &service;
    }

    Service service;
};

} // namespace relayvo
