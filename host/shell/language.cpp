#include "shell/language.h"

#include "plural.h"

#include <cctype>

namespace host {

namespace {

bool space(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

input_line::input_line(const std::string& line) : line_(line) {
    std::size_t i = 0;
    while (true) {
        while (i < line_.size() && space(line_[i]))
            ++i;
        if (i == line_.size()) break;
        starts_.push_back(i);
        std::string word;
        bool was_quoted = false;
        while (i < line_.size() && !space(line_[i])) {
            if (line_[i] == '"') {
                was_quoted = true;
                std::size_t close = line_.find('"', i + 1);
                if (close == std::string::npos) throw verb_error("a quote is not closed");
                word += line_.substr(i + 1, close - i - 1);
                i = close + 1;
            } else {
                word += line_[i++];
            }
        }
        words_.push_back(word);
        quoted_.push_back(was_quoted);
    }
}

std::string input_line::rest(std::size_t n) const {
    if (n + 1 >= starts_.size()) return {};
    std::string text = line_.substr(starts_[n + 1]);
    while (!text.empty() && space(text.back()))
        text.pop_back();
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"' &&
        text.find('"', 1) == text.size() - 1)
        return text.substr(1, text.size() - 2);
    return text;
}

bool is_comment(const std::string& line) {
    std::size_t first = line.find_first_not_of(" \t\r\n");
    return first == std::string::npos || line[first] == '#';
}

std::size_t position(const std::string& text, std::size_t count, const std::string& what,
                     const std::string& where) {
    bool digits = !text.empty() && text.size() <= 9;
    for (char c : text)
        digits = digits && std::isdigit(static_cast<unsigned char>(c));
    if (!digits) throw verb_error("\"" + text + "\" is not a " + what + " position");
    std::size_t n = std::stoul(text);
    if (n == 0 || n > count)
        throw verb_error("no " + what + " " + text + where + " (" +
                         (count == 0 ? "there are none"
                                     : "there " + std::string(plural(count, "is ", "are ")) +
                                           std::to_string(count)) +
                         ")");
    return n - 1;
}

} // namespace host
