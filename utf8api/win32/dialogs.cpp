// utf8api over the wide-character Win32 calls: every text crosses as UTF-8.
#include "dialogs.h"

#include "utf8api/utf8api.h"
#include "wide_text.h"

#include <map>

namespace win32 {

namespace {

// Templates of the dialogs created so far, by window; freed at unload.
std::map<HWND, resources::dialog_template> templates;

bool load_template(HMODULE module, std::uint32_t id, resources::dialog_template& out) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5) /* dialog */);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    return bytes && resources::decode_dialog(static_cast<const std::uint8_t*>(bytes),
                                             SizeofResource(module, found), out);
}

} // namespace

const resources::dialog_template* template_of(HWND dialog) {
    auto found = templates.find(dialog);
    return found != templates.end() && IsWindow(dialog) ? &found->second : nullptr;
}

std::string window_text(HWND window) {
    int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return narrow(text);
}

} // namespace win32

HWND uCreateDialog(quorvel::module_handle module, std::uint32_t template_id, HWND parent,
                   DLGPROC proc, LPARAM param) {
    resources::dialog_template layout;
    bool known = win32::load_template(module, template_id, layout);
    HWND dialog = CreateDialogParamW(module, MAKEINTRESOURCEW(template_id), parent, proc, param);
    if (dialog && known) win32::templates[dialog] = layout;
    return dialog;
}

LRESULT uSendMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return SendMessageW(window, message, wparam, lparam);
}

LRESULT uSendDlgItemMessage(HWND dialog, int id, UINT message, WPARAM wparam, LPARAM lparam) {
    return SendDlgItemMessageW(dialog, id, message, wparam, lparam);
}

LRESULT uSendMessageText(HWND window, UINT message, WPARAM wparam, const char* text) {
    std::wstring wide = win32::widen(text);
    return SendMessageW(window, message, wparam, reinterpret_cast<LPARAM>(wide.c_str()));
}

BOOL uGetWindowText(HWND window, quorvel::text_buffer& out) {
    if (!IsWindow(window)) return FALSE;
    out.assign(win32::window_text(window).c_str(), quorvel::unbounded);
    return TRUE;
}
