// Reading a window's text into the component's own text buffer.
#pragma once

#include "quorvel/window_types.h"
#include "text/text_buffer.h"

namespace relayvo {

// The whole text of `window`, delivered by utf8api through the buffer's
// operations into a new, exact buffer; empty when there is no such window.
text_buffer window_text(HWND window);

} // namespace relayvo
