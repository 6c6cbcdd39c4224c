// Verbs on the preferences: the tree of pages, and the component's page
// driven through utf8api as a user would, so that the component's own dialog
// procedure does the work.
#include "plural.h"
#include "session/component_library.h"
#include "shell/page_controls.h"
#include "shell/verbs.h"
#include "trace/trace.h"
#include "utf8api/headless.h"

#include <filesystem>
#include <map>
#include <optional>

namespace host {

namespace {

using trace::direction;

bool is_field(const page_control& s) {
    return s.class_name == "EDIT";
}

// `text` followed by spaces up to `width` characters.
std::string padded(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

// The open page, or a failure saying how to open it.
HWND page_or_fail(verb_context& c) {
    need_component(c);
    if (!c.app.page) throw verb_error("the preferences page is not open (page opens it)");
    return c.app.page;
}

std::string control_line(const page_control& s) {
    std::string kind = is_check_box(s)            ? "check"
                       : is_field(s)              ? "field"
                       : s.class_name == "STATIC" ? "text"
                                                  : s.class_name;
    std::string state = "-";
    if (is_check_box(s))
        state = s.check == 0 ? "[ ]" : s.check == 1 ? "[x]" : "[" + std::to_string(s.check) + "]";
    std::string label = is_field(s) ? trace::quoted(s.text.c_str()) : s.text;
    std::string id = std::to_string(s.id);
    return std::string(id.size() < 6 ? 6 - id.size() : 0, ' ') + id + "  " + padded(kind, 5) +
           "  " + padded(state, 3) + "  " + padded(s.enabled ? "enabled" : "disabled", 8) + "  " +
           label;
}

void prefs(verb_context& c, const input_line& line) {
    need_component(c);
    expect_words(line, 0, 0);
    std::vector<std::string> branches;
    std::map<std::string, std::vector<std::string>> pages;
    for (const published_service& page : c.app.session.services_of(quorvel::settings_page_class)) {
        std::string parent = parent_name(page);
        std::string name = page_name(page);
        if (!pages.count(parent)) branches.push_back(parent);
        pages[parent].push_back(name);
    }
    c.app.out << "preferences:\n";
    for (const std::string& branch : branches) {
        c.app.out << "  " << branch << '\n';
        for (const std::string& name : pages[branch])
            c.app.out << "    " << name << '\n';
    }
}

void page(verb_context& c, const input_line& line) {
    need_component(c);
    std::string wanted = line.rest(0);
    std::vector<published_service> pages = c.app.session.services_of(quorvel::settings_page_class);
    const published_service* chosen = nullptr;
    std::string name;
    for (const published_service& p : pages) {
        name = page_name(p);
        if (wanted.empty() || name == wanted) {
            chosen = &p;
            break;
        }
    }
    if (!chosen)
        throw verb_error(wanted.empty() ? "the component has no preferences page"
                                        : "no preferences page called " + wanted);
    if (c.app.page) c.app.session.close(c.app.page);
    c.app.page = nullptr;
    HWND window = create_window(*chosen, c.app.preferences.window());
    if (!window) {
        std::string resources = resource_file_of(c.app.library_path());
        std::error_code ec;
        bool missing = !resources.empty() && !std::filesystem::exists(resources, ec);
        throw verb_error("the page " + name + " could not be created" +
                         (missing ? ": its dialog resources " + resources + " are missing" : ""));
    }
    c.app.session.adopt(window);
    c.app.page = window;
    std::vector<page_control> controls = controls_of(window);
    c.app.out << "page " << name << ": " << count_of(controls.size(), "control", "controls")
              << '\n';
    for (const page_control& s : controls)
        c.app.out << control_line(s) << '\n';
}

void click(verb_context& c, const input_line& line) {
    HWND window = page_or_fail(c);
    expect_words(line, 1, 1);
    int id = check_box_named(window, line.word(0));
    std::optional<page_control> before = control(window, id);
    if (!before->enabled) throw verb_error("control " + std::to_string(id) + " is disabled");
    {
        trace::call t(direction::to_component, "utf8api", "uHeadlessClick",
                      "control " + std::to_string(id));
        uHeadlessClick(GetDlgItem(window, id));
    }
    c.app.out << control_line(*control(window, id)) << '\n';
}

void type(verb_context& c, const input_line& line) {
    HWND window = page_or_fail(c);
    expect_words(line, 1, SIZE_MAX);
    std::string text = line.rest(0);
    std::optional<page_control> field;
    for (const page_control& s : controls_of(window))
        if (!field && is_field(s)) field = s;
    if (!field) throw verb_error("the page has no text field");
    if (!field->enabled)
        throw verb_error("the text field " + std::to_string(field->id) + " is disabled");
    int id = field->id;
    {
        trace::call t(direction::to_component, "utf8api", "uHeadlessType",
                      "control " + std::to_string(id), trace::quoted(text.c_str()));
        uHeadlessType(GetDlgItem(window, id), text.c_str());
    }
    c.app.out << control_line(*control(window, id)) << '\n';
}

} // namespace

std::vector<verb> settings_verbs() {
    return {
        {"prefs", "", "the preferences tree: branches and pages", prefs},
        {"page", "[NAME]", "open a preferences page; shows ids and captions", page, 0, true},
        {"click", "ID|WORD", "click a check box by its id or a word of its caption", click},
        {"type", "TEXT", "type into the page's text field (\"\" empties it)", type, 0, true},
    };
}

} // namespace host
