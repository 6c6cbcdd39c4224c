// The controls of the open preferences page as the host reads them from the
// dialog itself, through utf8api: what the page shows, never the component's
// keys.
#pragma once

#include "app.h"
#include "utf8api/headless.h"

#include <optional>
#include <string>
#include <vector>

namespace host {

// One control as the page showed it when read: its texts copied, since the
// dialog's own are valid only until the next read.
struct page_control {
    int id;                 // -1 for controls without one
    std::string class_name; // "BUTTON", "EDIT", "STATIC" or the template's own name
    std::string text;       // UTF-8
    DWORD style;
    bool enabled;
    LRESULT check; // 0 for controls that are no buttons
};

// Every control of `page`, in template order.
std::vector<page_control> controls_of(HWND page);
// The control with `id`, or none.
std::optional<page_control> control(HWND page, int id);
bool is_check_box(const page_control& c);

// The check box of `page` named by `word`: its id, or a word that starts a
// word of its caption and no other check box's (case-insensitive; a whole
// word wins over words it only starts). Fails with a verb_error.
int check_box_named(HWND page, const std::string& word);
// The words of the check boxes' captions on the open page, in lower case, for
// completion; none when no page is open.
std::vector<std::string> caption_words(host_app& app);

} // namespace host
