// utf8api, the host's UTF-8 window-text library. Every entry has C linkage so
// that a host can ship its own build of it; every text is UTF-8.
#pragma once

#include "quorvel/abi.h"
#include "quorvel/containers.h"
#include "utf8api/windows_types.h"

#include <cstdint>

#if defined(_WIN32)
#if defined(UTF8API_BUILDING)
#define UTF8API_ENTRY extern "C" __declspec(dllexport)
#else
#define UTF8API_ENTRY extern "C" __declspec(dllimport)
#endif
#else
#define UTF8API_ENTRY extern "C" __attribute__((visibility("default")))
#endif

// Creates the modeless dialog `template_id` of `module` as a child of
// `parent`, hidden; `proc` gets WM_INITDIALOG with `param` before this
// returns. Returns the dialog, or null if it could not be created.
UTF8API_ENTRY HWND uCreateDialog(quorvel::module_handle module, std::uint32_t template_id,
                                 HWND parent, DLGPROC proc, LPARAM param);
// Sends `message` to `window` and returns its answer.
UTF8API_ENTRY LRESULT uSendMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
// Sends `message` to the control `id` of `dialog`; 0 when there is no such control.
UTF8API_ENTRY LRESULT uSendDlgItemMessage(HWND dialog, int id, UINT message, WPARAM wparam,
                                          LPARAM lparam);
// Sends a message whose text argument is `text`, such as WM_SETTEXT.
UTF8API_ENTRY LRESULT uSendMessageText(HWND window, UINT message, WPARAM wparam, const char* text);
// Assigns the whole text of `window` to `out`; returns FALSE for no window.
UTF8API_ENTRY BOOL uGetWindowText(HWND window, quorvel::text_buffer& out);

// Marks the start of a labelled scope of execution; labels nest like a stack.
UTF8API_ENTRY void uCallStackTracker_enter(const char* label);
// Marks the end of the innermost labelled scope.
UTF8API_ENTRY void uCallStackTracker_leave();
// For hosts and their tests: the innermost open label, or null when none is open.
UTF8API_ENTRY const char* uCallStackTracker_top();

// Marks the scope it lives in with `label`, which must outlive it.
class uCallStackTracker {
public:
    explicit uCallStackTracker(const char* label) { uCallStackTracker_enter(label); }
    ~uCallStackTracker() { uCallStackTracker_leave(); }
    uCallStackTracker(const uCallStackTracker&) = delete;
    uCallStackTracker& operator=(const uCallStackTracker&) = delete;
};
