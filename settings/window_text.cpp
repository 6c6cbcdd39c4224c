#include "settings/window_text.h"

#include "utf8api/utf8api.h"

namespace relayvo {

text_buffer window_text(HWND window) {
    text_buffer text;
    uGetWindowText(window, text);
    return text;
}

} // namespace relayvo
