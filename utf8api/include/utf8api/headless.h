// What the headless utf8api offers a host in place of a user and a screen:
// clicking, typing, and reading back every control of a dialog.
#pragma once

#include "utf8api/utf8api.h"

// One control as the dialog holds it now.
struct uControlState {
    int id;                 // control id; -1 for controls without one
    const char* class_name; // "BUTTON", "EDIT", "STATIC" or the template's own name
    const char* text;       // UTF-8, valid until the control changes
    DWORD style;
    short x, y, width, height; // dialog units, as the template gives them
    BOOL enabled;
    LRESULT check; // BM_GETCHECK's answer; 0 for controls that are no buttons
};

// Clicks `control` as a user would: nothing if it is disabled; an automatic
// check box toggles; the dialog gets WM_COMMAND with BN_CLICKED.
UTF8API_ENTRY void uHeadlessClick(HWND control);
// Replaces the text of `control` as if typed; the dialog gets WM_COMMAND with
// EN_CHANGE. Nothing if it is disabled.
UTF8API_ENTRY void uHeadlessType(HWND control, const char* text);
// The number of controls of `dialog`; 0 for no dialog.
UTF8API_ENTRY int uHeadlessControlCount(HWND dialog);
// Fills `out` with the control at `position` (template order); FALSE if there is none.
UTF8API_ENTRY BOOL uHeadlessControlState(HWND dialog, int position, uControlState* out);
