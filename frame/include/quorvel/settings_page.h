// The component's preferences page, which the host lists in its preferences tree.
#pragma once

#include "quorvel/service.h"
#include "quorvel/window_types.h"

namespace quorvel {

inline constexpr guid settings_page_class{
    0x7255E8D0, 0x3FCF, 0x4781, {0xB9, 0x3B, 0xD0, 0x6C, 0xB8, 0x8D, 0xFA, 0xFA}};

class settings_page : public service_object {
public:
    // Creates a new, hidden page window as a child of `parent`; null on failure.
    // The host destroys it before it unloads the library, whose code it runs.
    virtual HWND create_window(HWND parent) = 0;
    // Returns the page's name in the preferences tree.
    virtual const char* page_name() = 0;
    // Returns the name of the branch the page belongs under.
    virtual const char* parent_name() = 0;
};

} // namespace quorvel
