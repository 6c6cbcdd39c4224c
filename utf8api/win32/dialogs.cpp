// utf8api over the wide-character Win32 calls: every text crosses as UTF-8.
#include "dialogs.h"

#include "c_entry.h"
#include "utf8api/utf8api.h"
#include "wide_text.h"

#include <map>

namespace win32 {

namespace {

// A dialog utf8api created: the template it was made from, and the window
// procedure it had before utf8api's, which gets every message on.
struct created_dialog {
    resources::dialog_template layout;
    WNDPROC next;
};

// The dialogs alive now, by window. Each is forgotten as its window goes, so
// a window that later gets the same handle never reads its template; the
// rest are freed at unload.
std::map<HWND, created_dialog> dialogs;

bool load_template(HMODULE module, std::uint32_t id, resources::dialog_template& out) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5) /* dialog */);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    return bytes && resources::decode_dialog(static_cast<const std::uint8_t*>(bytes),
                                             SizeofResource(module, found), out);
}

// Hands every message on, and forgets the dialog at its last one.
LRESULT CALLBACK forgetting_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    auto found = dialogs.find(dialog);
    if (found == dialogs.end()) return DefDlgProcW(dialog, message, wparam, lparam);
    WNDPROC next = found->second.next;
    if (message == WM_NCDESTROY) dialogs.erase(found);
    return CallWindowProcW(next, dialog, message, wparam, lparam);
}

} // namespace

const resources::dialog_template* template_of(HWND dialog) {
    auto found = dialogs.find(dialog);
    return found != dialogs.end() ? &found->second.layout : nullptr;
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
    return win32::answer_or<HWND>(nullptr, [&] {
        resources::dialog_template layout;
        bool known = win32::load_template(module, template_id, layout);
        // The dialog's entry is made before its window, so that memory running
        // out leaves no window behind; keying it anew allocates nothing.
        std::map<HWND, win32::created_dialog> staging;
        auto entry =
            staging.extract(staging.try_emplace(nullptr, std::move(layout), nullptr).first);
        HWND dialog =
            CreateDialogParamW(module, MAKEINTRESOURCEW(template_id), parent, proc, param);
        if (dialog && known) {
            entry.key() = dialog;
            entry.mapped().next = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
                dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(win32::forgetting_proc)));
            win32::dialogs.insert(std::move(entry));
        }
        return dialog;
    });
}

LRESULT uSendMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return SendMessageW(window, message, wparam, lparam);
}

LRESULT uSendDlgItemMessage(HWND dialog, int id, UINT message, WPARAM wparam, LPARAM lparam) {
    return SendDlgItemMessageW(dialog, id, message, wparam, lparam);
}

LRESULT uSendMessageText(HWND window, UINT message, WPARAM wparam, const char* text) {
    return win32::answer_or<LRESULT>(0, [&] {
        std::wstring wide = win32::widen(text);
        return SendMessageW(window, message, wparam, reinterpret_cast<LPARAM>(wide.c_str()));
    });
}

BOOL uGetWindowText(HWND window, quorvel::text_buffer& out) {
    if (!IsWindow(window)) return FALSE;
    return win32::answer_or<BOOL>(FALSE, [&] {
        out.assign(win32::window_text(window).c_str(), quorvel::unbounded);
        return TRUE;
    });
}
