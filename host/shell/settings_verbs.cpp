// Verbs on the preferences: the tree of pages, and the component's page
// driven through utf8api as a user would, so that the component's own dialog
// procedure does the work.
#include "plural.h"
#include "shell/verbs.h"
#include "trace/trace.h"
#include "utf8api/headless.h"

#include <map>
#include <optional>

namespace host {

namespace {

using trace::direction;

constexpr DWORD button_type_mask = 0x0F;
constexpr DWORD auto_check_box = 0x03;

bool is_check_box(const uControlState& s) {
    return std::string(s.class_name) == "BUTTON" && (s.style & button_type_mask) == auto_check_box;
}

bool is_field(const uControlState& s) {
    return std::string(s.class_name) == "EDIT";
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

// The state of the control with `id`, or none.
std::optional<uControlState> control(HWND page, int id) {
    for (int i = 0, n = uHeadlessControlCount(page); i < n; ++i) {
        uControlState s{};
        if (uHeadlessControlState(page, i, &s) && s.id == id) return s;
    }
    return std::nullopt;
}

std::string control_line(const uControlState& s) {
    std::string kind = is_check_box(s)                         ? "check"
                       : is_field(s)                           ? "field"
                       : std::string(s.class_name) == "STATIC" ? "text"
                                                               : s.class_name;
    std::string state = "-";
    if (is_check_box(s))
        state = s.check == 0 ? "[ ]" : s.check == 1 ? "[x]" : "[" + std::to_string(s.check) + "]";
    std::string label = is_field(s) ? trace::quoted(s.text) : s.text;
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
    if (!window) throw verb_error("the page " + name + " could not be created");
    c.app.session.adopt(window);
    c.app.page = window;
    int n = uHeadlessControlCount(window);
    c.app.out << "page " << name << ": "
              << count_of(static_cast<std::size_t>(n), "control", "controls") << '\n';
    for (int i = 0; i < n; ++i) {
        uControlState s{};
        if (uHeadlessControlState(window, i, &s)) c.app.out << control_line(s) << '\n';
    }
}

void click(verb_context& c, const input_line& line) {
    HWND window = page_or_fail(c);
    expect_words(line, 1, 1);
    int id = 0;
    try {
        std::size_t used = 0;
        id = std::stoi(line.word(0), &used);
        if (used != line.word(0).size()) throw std::invalid_argument("id");
    } catch (const std::exception&) {
        throw verb_error("\"" + line.word(0) + "\" is not a control id");
    }
    std::optional<uControlState> before = control(window, id);
    if (!before) throw verb_error("the page has no control " + line.word(0));
    if (!is_check_box(*before)) throw verb_error("control " + line.word(0) + " is not a check box");
    if (!before->enabled) throw verb_error("control " + line.word(0) + " is disabled");
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
    std::optional<uControlState> field;
    for (int i = 0, n = uHeadlessControlCount(window); i < n && !field; ++i) {
        uControlState s{};
        if (uHeadlessControlState(window, i, &s) && is_field(s)) field = s;
    }
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
        {"page", "[NAME]", "open a preferences page (the component's) and show its controls", page},
        {"click", "ID", "click a check box on the open page", click},
        {"type", "TEXT", "type TEXT into the open page's text field (\"\" empties it)", type},
    };
}

} // namespace host
