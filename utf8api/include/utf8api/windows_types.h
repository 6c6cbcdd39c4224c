// The few window types, messages and calls of the Windows user-interface
// library that a dialog needs. On Windows they are the system's own; elsewhere
// the headless utf8api defines and exports them, beside the window types of
// the host contract.
#pragma once

#include "quorvel/window_types.h"

#if !defined(_WIN32)

#include <cstdint>

using HINSTANCE = void*;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using BOOL = int;
#define CALLBACK
using DLGPROC = INT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

inline constexpr UINT WM_SETTEXT = 0x000C;
inline constexpr UINT WM_INITDIALOG = 0x0110;
inline constexpr UINT WM_COMMAND = 0x0111;
inline constexpr UINT BM_GETCHECK = 0x00F0;
inline constexpr UINT BM_SETCHECK = 0x00F1;
inline constexpr UINT BM_CLICK = 0x00F5;
inline constexpr WORD BN_CLICKED = 0;
inline constexpr WORD EN_CHANGE = 0x0300;
inline constexpr WPARAM BST_UNCHECKED = 0;
inline constexpr WPARAM BST_CHECKED = 1;

inline constexpr WORD LOWORD(WPARAM value) {
    return static_cast<WORD>(value & 0xFFFF);
}
inline constexpr WORD HIWORD(WPARAM value) {
    return static_cast<WORD>((value >> 16) & 0xFFFF);
}
inline constexpr WPARAM MAKEWPARAM(WORD low, WORD high) {
    return static_cast<WPARAM>(static_cast<DWORD>(low) | static_cast<DWORD>(high) << 16);
}

#if defined(UTF8API_BUILDING)
#define HEADLESS_USER_ENTRY extern "C" __attribute__((visibility("default")))
#else
#define HEADLESS_USER_ENTRY extern "C"
#endif

// The child of `dialog` with control id `id`, or null.
HEADLESS_USER_ENTRY HWND GetDlgItem(HWND dialog, int id);
// Enables or disables `window`; returns nonzero if it was disabled before.
HEADLESS_USER_ENTRY BOOL EnableWindow(HWND window, BOOL enable);
// Nonzero if `window` is enabled.
HEADLESS_USER_ENTRY BOOL IsWindowEnabled(HWND window);
// Destroys `window` and its children; returns nonzero on success.
HEADLESS_USER_ENTRY BOOL DestroyWindow(HWND window);

#endif
