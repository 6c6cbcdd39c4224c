// The window types that cross the boundary (a page window and the arguments
// of a window message). On Windows they are the system's own; elsewhere, with
// no window system, they are names of the same shape for the stand-in window
// library and the hosts built against it.
#pragma once

#if defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else

#include <cstdint>

struct headless_window;
using HWND = headless_window*;
using UINT = unsigned int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using INT_PTR = std::intptr_t;

#endif
