// The host's own preferences window, the parent of every page a component
// creates. A page is a child window, and Windows creates no child without a
// parent; the headless window system needs none, so there it is null.
#pragma once

#include "utf8api/windows_types.h"

namespace host {

class preferences_frame {
public:
    preferences_frame() = default;
    ~preferences_frame();
    preferences_frame(const preferences_frame&) = delete;
    preferences_frame& operator=(const preferences_frame&) = delete;

    // The window, made on first use.
    HWND window();

private:
    HWND window_ = nullptr;
};

} // namespace host
