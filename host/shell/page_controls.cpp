#include "shell/page_controls.h"

#include "shell/language.h"

#include <algorithm>
#include <cctype>

namespace host {

namespace {

constexpr DWORD button_type_mask = 0x0F;
constexpr DWORD auto_check_box = 0x03;

// The words of `caption` in lower case: runs of letters and digits (bytes of
// UTF-8 sequences count as letters).
std::vector<std::string> words_of(const std::string& caption) {
    std::vector<std::string> words;
    std::string word;
    for (char ch : caption + " ") {
        auto byte = static_cast<unsigned char>(ch);
        if (std::isalnum(byte) || byte >= 0x80) {
            word += static_cast<char>(std::tolower(byte));
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    return words;
}

std::string lowered(std::string text) {
    for (char& ch : text)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return text;
}

} // namespace

std::vector<page_control> controls_of(HWND page) {
    std::vector<page_control> out;
    for (int i = 0, n = uHeadlessControlCount(page); i < n; ++i) {
        uControlState s{};
        if (uHeadlessControlState(page, i, &s))
            out.push_back({s.id, s.class_name, s.text, s.style, s.enabled != FALSE, s.check});
    }
    return out;
}

std::optional<page_control> control(HWND page, int id) {
    for (const page_control& s : controls_of(page))
        if (s.id == id) return s;
    return std::nullopt;
}

bool is_check_box(const page_control& s) {
    return s.class_name == "BUTTON" && (s.style & button_type_mask) == auto_check_box;
}

int check_box_named(HWND page, const std::string& word) {
    if (!word.empty() && std::all_of(word.begin(), word.end(), [](char ch) {
            return std::isdigit(static_cast<unsigned char>(ch));
        })) {
        int id = word.size() <= 9 ? std::stoi(word) : -1;
        std::optional<page_control> s = control(page, id);
        if (!s) throw verb_error("the page has no control " + word);
        if (!is_check_box(*s)) throw verb_error("control " + word + " is not a check box");
        return id;
    }
    std::string wanted = lowered(word);
    std::vector<int> starting, whole;
    for (const page_control& s : controls_of(page)) {
        if (!is_check_box(s)) continue;
        std::vector<std::string> words = words_of(s.text);
        if (std::find(words.begin(), words.end(), wanted) != words.end()) whole.push_back(s.id);
        if (std::any_of(words.begin(), words.end(),
                        [&](const std::string& w) { return w.rfind(wanted, 0) == 0; }))
            starting.push_back(s.id);
    }
    const std::vector<int>& found = whole.size() == 1 ? whole : starting;
    if (found.size() == 1 && !wanted.empty()) return found.front();
    if (found.empty() || wanted.empty())
        throw verb_error("no check box's caption has a word starting with \"" + word +
                         "\" (page shows them)");
    std::string ids;
    for (int id : found)
        ids += (ids.empty() ? "" : ", ") + std::to_string(id);
    throw verb_error("\"" + word + "\" starts words of several captions (" + ids +
                     "); type more of it, or the id");
}

std::vector<std::string> caption_words(host_app& app) {
    std::vector<std::string> out;
    if (!app.page) return out;
    for (const page_control& s : controls_of(app.page))
        if (is_check_box(s))
            for (const std::string& w : words_of(s.text))
                out.push_back(w);
    return out;
}

} // namespace host
