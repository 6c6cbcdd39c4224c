// The component's version record, published for the host's about box.
#pragma once

#include "quorvel/containers.h"
#include "quorvel/service.h"

namespace quorvel {

inline constexpr guid version_info_class{
    0x10BB3EBD, 0xDDF7, 0x4975, {0xA3, 0xCC, 0x23, 0x08, 0x48, 0x29, 0x45, 0x3E}};

class version_info : public service_object {
public:
    // Assigns the module name the host reported, or the empty text before that.
    virtual void module_name(text_buffer& out) = 0;
    // Assigns the component's name.
    virtual void component_name(text_buffer& out) = 0;
    // Assigns the component's version.
    virtual void component_version(text_buffer& out) = 0;
    // Assigns the component's about text.
    virtual void about_text(text_buffer& out) = 0;
};

} // namespace quorvel
