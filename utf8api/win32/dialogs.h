// What the Win32 utf8api remembers of the dialogs it created: the template
// each was made from, so a host can read back controls as the template laid them out.
#pragma once

#include "common/dialog_template.h"

#include <windows.h>

namespace win32 {

// The template `dialog` was created from, or null if utf8api did not create it.
const resources::dialog_template* template_of(HWND dialog);
// The whole text of `window` as UTF-8.
std::string window_text(HWND window);

} // namespace win32
