#include "window_tree.h"

#include <algorithm>

namespace headless {

namespace {

// Every dialog still alive; freed at unload with the library.
std::vector<std::unique_ptr<headless_window>> dialogs;

constexpr DWORD button_type_mask = 0x0F;
constexpr DWORD bs_autocheckbox = 0x03;

bool contains(const headless_window& tree, const headless_window* window) {
    if (&tree == window) return true;
    return std::any_of(tree.children.begin(), tree.children.end(),
                       [&](const auto& child) { return contains(*child, window); });
}

bool is_auto_check_box(const headless_window& w) {
    return w.class_name == "BUTTON" && (w.style & button_type_mask) == bs_autocheckbox;
}

} // namespace

// A window laid out as `layout` (the dialog's own or one control's) gives it.
template <class Layout>
std::unique_ptr<headless_window> window_like(const Layout& layout, std::string class_name,
                                             std::string text) {
    auto window = std::make_unique<headless_window>();
    window->class_name = std::move(class_name);
    window->text = std::move(text);
    window->style = layout.style;
    window->x = layout.x;
    window->y = layout.y;
    window->width = layout.width;
    window->height = layout.height;
    return window;
}

headless_window* create_dialog(const resources::dialog_template& layout, DLGPROC proc) {
    auto dialog = window_like(layout, layout.window_class, layout.title);
    dialog->proc = proc;
    for (const resources::dialog_item& item : layout.items) {
        auto control = window_like(item, item.class_name, item.text);
        control->parent = dialog.get();
        control->id = item.id;
        dialog->children.push_back(std::move(control));
    }
    dialogs.push_back(std::move(dialog));
    return dialogs.back().get();
}

headless_window* live(HWND window) {
    if (!window) return nullptr;
    for (const auto& dialog : dialogs)
        if (contains(*dialog, window)) return window;
    return nullptr;
}

bool destroy_dialog(headless_window* window) {
    auto found = std::find_if(dialogs.begin(), dialogs.end(),
                              [&](const auto& d) { return d.get() == window; });
    if (found == dialogs.end()) return false;
    dialogs.erase(found);
    return true;
}

void notify_parent(headless_window& control, WORD code) {
    if (control.parent)
        send(control.parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(control.id), code),
             reinterpret_cast<LPARAM>(&control));
}

LRESULT send(headless_window* window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (window->proc) return window->proc(window, message, wparam, lparam);
    switch (message) {
    case BM_GETCHECK:
        return window->class_name == "BUTTON" ? window->check : 0;
    case BM_SETCHECK:
        if (window->class_name == "BUTTON") window->check = static_cast<LRESULT>(wparam);
        return 0;
    case BM_CLICK:
        if (!window->enabled) return 0;
        if (is_auto_check_box(*window)) window->check = window->check ? BST_UNCHECKED : BST_CHECKED;
        notify_parent(*window, BN_CLICKED);
        return 0;
    case WM_SETTEXT:
        window->text = lparam ? reinterpret_cast<const char*>(lparam) : "";
        // A single-line edit control reports the new text as a change, as on Windows.
        if (window->class_name == "EDIT") notify_parent(*window, EN_CHANGE);
        return TRUE;
    default:
        return 0;
    }
}

} // namespace headless

using headless::live;

HWND GetDlgItem(HWND dialog, int id) {
    if (!live(dialog)) return nullptr;
    for (const auto& child : dialog->children)
        if (child->id == id) return child.get();
    return nullptr;
}

BOOL EnableWindow(HWND window, BOOL enable) {
    if (!live(window)) return FALSE;
    BOOL was_disabled = window->enabled ? FALSE : TRUE;
    window->enabled = enable != FALSE;
    return was_disabled;
}

BOOL IsWindowEnabled(HWND window) {
    return live(window) && window->enabled ? TRUE : FALSE;
}

BOOL DestroyWindow(HWND window) {
    return headless::destroy_dialog(window) ? TRUE : FALSE;
}

LRESULT uSendMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return live(window) ? headless::send(window, message, wparam, lparam) : 0;
}

LRESULT uSendDlgItemMessage(HWND dialog, int id, UINT message, WPARAM wparam, LPARAM lparam) {
    return uSendMessage(GetDlgItem(dialog, id), message, wparam, lparam);
}

LRESULT uSendMessageText(HWND window, UINT message, WPARAM wparam, const char* text) {
    return uSendMessage(window, message, wparam, reinterpret_cast<LPARAM>(text));
}

BOOL uGetWindowText(HWND window, quorvel::text_buffer& out) {
    if (!live(window)) return FALSE;
    out.assign(window->text.c_str(), quorvel::unbounded);
    return TRUE;
}

void uHeadlessClick(HWND control) {
    uSendMessage(control, BM_CLICK, 0, 0);
}

void uHeadlessType(HWND control, const char* text) {
    if (!live(control) || !control->enabled || control->proc) return;
    control->text = text ? text : "";
    headless::notify_parent(*control, EN_CHANGE);
}

int uHeadlessControlCount(HWND dialog) {
    return live(dialog) ? static_cast<int>(dialog->children.size()) : 0;
}

BOOL uHeadlessControlState(HWND dialog, int position, uControlState* out) {
    if (!live(dialog) || !out || position < 0 ||
        position >= static_cast<int>(dialog->children.size()))
        return FALSE;
    const headless_window& c = *dialog->children[static_cast<std::size_t>(position)];
    *out = {c.id,
            c.class_name.c_str(),
            c.text.c_str(),
            c.style,
            c.x,
            c.y,
            c.width,
            c.height,
            c.enabled ? TRUE : FALSE,
            c.class_name == "BUTTON" ? c.check : 0};
    return TRUE;
}
