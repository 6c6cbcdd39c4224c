// The host's entries over real windows: a click does what the control does
// on one, typing sets the text (the edit control reports the change), and
// controls are read back in template order with the template's own ids,
// classes and geometry.
#include "c_entry.h"
#include "dialogs.h"
#include "utf8api/headless.h"
#include "wide_text.h"

#include <string>

namespace {

// The text handed out by the last uHeadlessControlState.
std::string last_text;

// The control of `dialog` at `position` in creation order, or null.
HWND child_at(HWND dialog, int position) {
    HWND child = GetWindow(dialog, GW_CHILD);
    for (int i = 0; child && i < position; ++i)
        child = GetWindow(child, GW_HWNDNEXT);
    return child;
}

} // namespace

// Windows may drop BM_CLICK, which goes through the mouse, while the dialog
// is not the active window, as a host's test frame never is. So the click is
// done as the control does it: an automatic check box turns its check over,
// then its dialog hears BN_CLICKED from it.
void uHeadlessClick(HWND control) {
    if (!IsWindowEnabled(control)) return;
    bool button = SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON;
    if (button && (GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX) {
        bool checked = SendMessageW(control, BM_GETCHECK, 0, 0) != BST_UNCHECKED;
        SendMessageW(control, BM_SETCHECK, checked ? BST_UNCHECKED : BST_CHECKED, 0);
    }
    SendMessageW(GetParent(control), WM_COMMAND,
                 MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(control)), BN_CLICKED),
                 reinterpret_cast<LPARAM>(control));
}

void uHeadlessType(HWND control, const char* text) {
    if (!IsWindowEnabled(control)) return;
    win32::answer_or<bool>(
        false, [&] { return SetWindowTextW(control, win32::widen(text).c_str()) != FALSE; });
}

int uHeadlessControlCount(HWND dialog) {
    const resources::dialog_template* layout = win32::template_of(dialog);
    return layout ? static_cast<int>(layout->items.size()) : 0;
}

BOOL uHeadlessControlState(HWND dialog, int position, uControlState* out) {
    const resources::dialog_template* layout = win32::template_of(dialog);
    if (!layout || !out || position < 0 || position >= static_cast<int>(layout->items.size()))
        return FALSE;
    const resources::dialog_item& item = layout->items[static_cast<std::size_t>(position)];
    HWND control = child_at(dialog, position);
    return win32::answer_or<BOOL>(FALSE, [&] {
        last_text = control ? win32::window_text(control) : item.text;
        bool button = item.class_name == "BUTTON";
        *out = {item.id,
                item.class_name.c_str(),
                last_text.c_str(),
                item.style,
                item.x,
                item.y,
                item.width,
                item.height,
                control && IsWindowEnabled(control) ? TRUE : FALSE,
                button && control ? SendMessageW(control, BM_GETCHECK, 0, 0) : 0};
        return TRUE;
    });
}
