#include "tests/support/hosted_component.h"

namespace testing_support {

hosted_component::hosted_component(const std::string& path, quorvel::host_api& host) {
    error_ = library_.open(path);
    if (!error_.empty()) return;
    client_ = library_.entry()(&host, library_.module());
    for (quorvel::service_entry* e = client_->first_service_entry(); e; e = e->next) {
        quorvel::service_object* s = e->create_instance();
        if (e->class_guid == quorvel::playlist_watcher_class)
            watcher_ = static_cast<quorvel::playlist_watcher*>(s);
        if (e->class_guid == quorvel::settings_page_class)
            page_ = static_cast<quorvel::settings_page*>(s);
        if (e->class_guid == quorvel::command_source_class) {
            // The by-name commands are the ones off by default.
            auto* source = static_cast<quorvel::command_source*>(s);
            (source->default_state(0) == quorvel::state_off ? name_commands_ : index_commands_) =
                source;
        }
    }
    if (!watcher_ || !page_ || !index_commands_ || !name_commands_)
        error_ = path + ": a service of the component is missing";
}

} // namespace testing_support
