#include "settings/settings_page.h"

#include "commands/entry_table.h"
#include "config/variables.h"
#include "frame/host.h"
#include "frame/version_record.h"
#include "settings/control_ids.h"
#include "settings/window_text.h"
#include "text/text_buffer.h"
#include "utf8api/utf8api.h"

namespace relayvo {

namespace {

// A check box and its variable, in the order the page initialises them.
struct check_binding {
    int id;
    config_int* variable;
    // Whether a change rebuilds the entry table: every box's does but those of
    // force_on and move_files, replace's too, though no text shows it.
    bool rebuilds;
};

const check_binding check_boxes[] = {
    {IDC_ADD_INDEX, &add_index, true},
    {IDC_ADD_TOTAL, &add_total, true},
    {IDC_REPLACE, &replace, true},
    {IDC_SHOW_NUMBERS, &show_numbers, true},
    {IDC_FORCE_ON, &force_on, false},
    {IDC_MOVE_FILES, &move_files, false},
    {IDC_USE_CUSTOM_GROUP, &use_custom_group, true},
};

// The group name field is usable only while the custom group is on.
void enable_group_name(HWND dialog) {
    EnableWindow(GetDlgItem(dialog, IDC_GROUP_NAME), use_custom_group.value);
}

// True only while initialisation fills the group name field. The edit
// control answers that with a change notification, sent before the fill
// returns; storing that text back would write a variable on opening, and on
// Windows replace a stored name that is not valid UTF-8 by its round trip
// through UTF-16.
bool filling_group_name = false;

void initialise(HWND dialog) {
    for (const check_binding& box : check_boxes)
        uSendDlgItemMessage(dialog, box.id, BM_SETCHECK, static_cast<WPARAM>(box.variable->value),
                            0);
    enable_group_name(dialog);
    filling_group_name = true;
    uSendMessageText(GetDlgItem(dialog, IDC_GROUP_NAME), WM_SETTEXT, 0, cust_group_name.text());
    filling_group_name = false;
}

void on_click(HWND dialog, const check_binding& box, HWND control) {
    box.variable->value = static_cast<std::int32_t>(uSendMessage(control, BM_GETCHECK, 0, 0));
    if (box.id == IDC_USE_CUSTOM_GROUP) enable_group_name(dialog);
    if (box.rebuilds) entries.rebuild_entries();
}

// Stores the field's text only when it was read whole and could be copied;
// otherwise the previous name stays, and with it the table.
void on_group_name_change(HWND field) {
    bool stored = false;
    {
        text_buffer typed = window_text(field);
        stored = typed.intact() && cust_group_name.set_text(typed.text());
    }
    if (stored) entries.rebuild_entries();
}

// Whether a WM_COMMAND is notification `code` from the page's own control
// `id`: the whole wParam is compared, control id and code together, and the
// sender must be that control. A menu or an accelerator sends the same wParam
// as a click (code 0) with no control window.
bool notifies(HWND dialog, WPARAM wparam, HWND sender, int id, WORD code) {
    return wparam == MAKEWPARAM(static_cast<WORD>(id), code) && sender &&
           sender == GetDlgItem(dialog, id);
}

} // namespace

HWND settings_page::create_window(HWND parent) {
    check_host_thread();
    return uCreateDialog(module(), IDD_SETTINGS, parent, settings_dialog_proc, 0);
}

const char* settings_page::page_name() {
    check_host_thread();
    return component_name_text;
}

INT_PTR CALLBACK settings_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    check_host_thread();
    HWND sender = reinterpret_cast<HWND>(lparam);
    if (message == WM_INITDIALOG) {
        initialise(dialog);
    } else if (message == WM_COMMAND) {
        if (notifies(dialog, wparam, sender, IDC_GROUP_NAME, EN_CHANGE) && !filling_group_name)
            on_group_name_change(sender);
        for (const check_binding& box : check_boxes)
            if (notifies(dialog, wparam, sender, box.id, BN_CLICKED)) on_click(dialog, box, sender);
    }
    return 0;
}

} // namespace relayvo
