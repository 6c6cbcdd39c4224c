#include "session/preferences_frame.h"

namespace host {

preferences_frame::~preferences_frame() {
#if defined(_WIN32)
    if (window_) DestroyWindow(window_);
#endif
}

HWND preferences_frame::window() {
#if defined(_WIN32)
    if (!window_)
        window_ = CreateWindowExW(0, L"STATIC", L"Preferences", WS_OVERLAPPEDWINDOW, 0, 0, 700, 600,
                                  nullptr, nullptr, nullptr, nullptr);
#endif
    return window_;
}

} // namespace host
