// The preferences page service and the dialog procedure that binds its
// controls to the configuration variables.
#pragma once

#include "frame/host_thread.h"
#include "frame/registry.h"
#include "quorvel/settings_page.h"
#include "utf8api/windows_types.h"

namespace relayvo {

// The branch of the host's preferences tree the page belongs under.
inline constexpr const char* settings_parent_name = "Components";

class settings_page final : public static_service<quorvel::settings_page> {
public:
    // A new page window from the dialog template; the page does not keep it.
    HWND create_window(HWND parent) override;
    const char* page_name() override;
    const char* parent_name() override {
        check_host_thread();
        return settings_parent_name;
    }
};

// Shows the variables on WM_INITDIALOG, writing none and rebuilding nothing,
// and writes each change into its variable, then rebuilds the entry table
// unless the variable is force_on or move_files. Returns 0 for every message.
INT_PTR CALLBACK settings_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

} // namespace relayvo
