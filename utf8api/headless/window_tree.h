// The headless window system: dialogs built from templates, their controls,
// and the messages a dialog procedure receives.
#pragma once

#include "common/dialog_template.h"
#include "utf8api/headless.h"

#include <memory>
#include <string>
#include <vector>

struct headless_window {
    headless_window* parent = nullptr;
    std::vector<std::unique_ptr<headless_window>> children;
    DLGPROC proc = nullptr; // dialogs only
    std::int32_t id = 0;
    std::string class_name;
    std::string text;
    DWORD style = 0;
    short x = 0, y = 0, width = 0, height = 0;
    bool enabled = true;
    LRESULT check = BST_UNCHECKED;
};

namespace headless {

// Makes a hidden dialog and its controls from `layout`, owned by the window
// system until destroyed or until the library unloads.
headless_window* create_dialog(const resources::dialog_template& layout, DLGPROC proc);
// `window` if it is a live window of this system, else null.
headless_window* live(HWND window);
// Destroys a dialog; false for anything else.
bool destroy_dialog(headless_window* window);
// Sends `code` to the control's dialog as a WM_COMMAND notification.
void notify_parent(headless_window& control, WORD code);
// Delivers `message` to `window`: a dialog's procedure, or a control's own handling.
LRESULT send(headless_window* window, UINT message, WPARAM wparam, LPARAM lparam);

} // namespace headless
