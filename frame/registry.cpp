#include "frame/registry.h"

namespace relayvo {

namespace {
quorvel::service_entry* head = nullptr;
} // namespace

void link_in(quorvel::service_entry& entry) {
    entry.next = head;
    head = &entry;
}

quorvel::service_entry* first_entry() {
    return head;
}

} // namespace relayvo
