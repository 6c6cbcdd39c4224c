#include "frame/version_record.h"

#include "frame/client_object.h"
#include "frame/host_thread.h"
#include "text/plain_text.h"

namespace relayvo {

const char component_version_text[] = RELAYVO_VERSION;

void version_record::module_name(quorvel::text_buffer& out) {
    check_host_thread();
    out.assign(module_texts.module_name.get(), quorvel::unbounded);
}

void version_record::component_name(quorvel::text_buffer& out) {
    check_host_thread();
    out.assign(or_empty(name), quorvel::unbounded);
}

void version_record::component_version(quorvel::text_buffer& out) {
    check_host_thread();
    out.assign(or_empty(version), quorvel::unbounded);
}

void version_record::about_text(quorvel::text_buffer& out) {
    check_host_thread();
    out.assign(or_empty(about), quorvel::unbounded);
}

} // namespace relayvo
