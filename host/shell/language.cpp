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
        // A '#' alone as a word ends the line: what follows is a comment.
        bool comment_mark =
            i < line_.size() && line_[i] == '#' && (i + 1 == line_.size() || space(line_[i + 1]));
        if (i == line_.size() || comment_mark) break;
        starts_.push_back(i);
        std::string word;
        bool was_quoted = false;
        bool one_quote = line_[i] == '"';
        while (i < line_.size() && !space(line_[i])) {
            if (line_[i] != '"') {
                word += line_[i++];
                continue;
            }
            was_quoted = true;
            // Inside quotes, \" and \\ stand for the character after the backslash.
            for (++i;; ++i) {
                if (i == line_.size()) throw verb_error("a quote is not closed");
                if (line_[i] == '"') break;
                if (line_[i] == '\\' && i + 1 < line_.size() &&
                    (line_[i + 1] == '"' || line_[i + 1] == '\\'))
                    ++i;
                word += line_[i];
            }
            ++i;
            one_quote = one_quote && (i == line_.size() || space(line_[i]));
        }
        ends_.push_back(i);
        words_.push_back(word);
        quoted_.push_back(was_quoted);
        one_quote_.push_back(one_quote);
    }
}

std::string input_line::rest(std::size_t n) const {
    if (n + 1 >= starts_.size()) return {};
    if (n + 2 == starts_.size() && one_quote_[n + 1]) return words_[n + 1];
    return line_.substr(starts_[n + 1], ends_.back() - starts_[n + 1]);
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
