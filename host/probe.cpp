// Loads a component through its export, as a host does, and prints what it
// publishes: the interface version, the services in list order with their
// class guids, and the version record's texts.
#include "frame/version_info.h"
#include "host/component_library.h"
#include "host/guid_text.h"
#include "host/string_buffer.h"

#include <cstdio>

namespace {

// A host with no services of its own: every lookup answers null.
class empty_host final : public quorvel::host_api {
public:
    quorvel::service_object* find_service(const quorvel::guid&, std::uint32_t) override {
        return nullptr;
    }
};

void print_text(const char* what, void (quorvel::version_info::*read)(quorvel::text_buffer&),
                quorvel::version_info& info) {
    host::string_buffer text;
    (info.*read)(text);
    std::printf("  %s: %s\n", what, text.text.c_str());
}

} // namespace

int main(int argc, char** argv) {
    const char* path = argc > 1 ? argv[1] : RELAYVO_LIBRARY;
    host::component_library library;
    if (std::string error = library.open(path); !error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    empty_host host_api;
    quorvel::component_client* client = library.entry()(&host_api, library.module());
    client->set_module_location(path, "relayvo");

    std::printf("interface version %d\n", static_cast<int>(client->client_version()));
    std::printf("services:\n");
    quorvel::version_info* info = nullptr;
    for (quorvel::service_entry* e = client->first_service_entry(); e; e = e->next) {
        std::printf("  %s\n", host::guid_text(e->class_guid).c_str());
        if (e->class_guid == quorvel::version_info_class)
            info = static_cast<quorvel::version_info*>(e->create_instance());
    }
    if (!info) {
        std::fprintf(stderr, "%s publishes no version record\n", path);
        return 1;
    }
    std::printf("version record:\n");
    print_text("module name", &quorvel::version_info::module_name, *info);
    print_text("component name", &quorvel::version_info::component_name, *info);
    print_text("component version", &quorvel::version_info::component_version, *info);
    print_text("about text", &quorvel::version_info::about_text, *info);
    return 0;
}
