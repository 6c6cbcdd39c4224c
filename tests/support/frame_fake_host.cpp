#include "tests/support/frame_fake_host.h"

#include <iomanip>

namespace frame_support {

std::ostream& operator<<(std::ostream& out, const lookup& l) {
    return out << "{class " << std::hex << l.cls.data1 << std::dec << ", index " << l.index << "}";
}

void fake_host::serve(const quorvel::guid& cls, std::vector<quorvel::service_object*> services) {
    for (auto& [served_class, list] : served_)
        if (served_class == cls) {
            list = std::move(services);
            return;
        }
    served_.emplace_back(cls, std::move(services));
}

quorvel::service_object* fake_host::find_service(const quorvel::guid& cls, std::uint32_t index) {
    lookups.push_back({cls, index});
    for (auto& [served_class, list] : served_)
        if (served_class == cls) return index < list.size() ? list[index] : nullptr;
    return nullptr;
}

} // namespace frame_support
