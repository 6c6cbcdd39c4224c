// Dialog creation: the template comes from the module's compiled resources,
// which a component without a resource section ships beside itself as
// <library name without extension>.res.
#include "common/dialog_template.h"
#include "window_tree.h"

#include <dlfcn.h>
#include <link.h>

namespace {

// The resource file of the library that `module` (a loader handle) stands for.
std::string resource_path(quorvel::module_handle module) {
    link_map* map = nullptr;
    if (!module || dlinfo(module, RTLD_DI_LINKMAP, &map) != 0 || !map || !map->l_name) return {};
    std::string path = map->l_name;
    std::size_t slash = path.rfind('/');
    std::size_t dot = path.find('.', slash == std::string::npos ? 0 : slash + 1);
    return path.substr(0, dot) + ".res";
}

} // namespace

HWND uCreateDialog(quorvel::module_handle module, std::uint32_t template_id, HWND, DLGPROC proc,
                   LPARAM param) {
    resources::dialog_template layout;
    if (!proc ||
        !resources::find_dialog(resources::read_file(resource_path(module)), template_id, layout))
        return nullptr;
    headless_window* dialog = headless::create_dialog(layout, proc);
    // As the dialog manager does: the first tab stop is offered the focus.
    constexpr DWORD ws_tabstop = 0x00010000;
    HWND focus = nullptr;
    for (const auto& child : dialog->children)
        if (child->style & ws_tabstop) {
            focus = child.get();
            break;
        }
    headless::send(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(focus), param);
    return headless::live(dialog);
}
