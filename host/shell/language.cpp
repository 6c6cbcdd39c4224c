#include "shell/language.h"

#include "plural.h"
#include "utf8_text.h"

#include <algorithm>
#include <cctype>

namespace host {

namespace {

bool space(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool control(unsigned char c) {
    return (c < 0x20 && c != '\t') || c == 0x7F;
}

std::string hex(unsigned char c) {
    const char* digits = "0123456789ABCDEF";
    return {'\\', 'x', digits[c >> 4], digits[c & 15]};
}

// Reads the quoted text that opens at line[i] into `word`, escapes undone, and
// moves `i` past its closing quote; false, with `i` unchanged, when the quote
// is not closed.
bool read_quoted(const std::string& line, std::size_t& i, std::string& word) {
    std::string text;
    for (std::size_t k = i + 1; k < line.size(); ++k) {
        char c = line[k];
        if (c == '"') {
            word += text;
            i = k + 1;
            return true;
        }
        if (c == '\\' && k + 1 < line.size() && (line[k + 1] == '"' || line[k + 1] == '\\')) {
            c = line[++k];
        } else if (byte_escape_at(line, k, c)) {
            k += 3;
        }
        text += c;
    }
    return false;
}

// `text` with control bytes (but tabs) and bytes that are not UTF-8 as
// \xHH, and, for the inside of quotes, " and \ as \" and \\.
std::string escaped(const std::string& text, bool in_quotes) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        auto byte = static_cast<unsigned char>(text[i]);
        std::size_t length = utf8_sequence_at(text, i);
        if (length == 0 || control(byte)) {
            out += hex(byte);
            ++i;
            continue;
        }
        if (in_quotes && (byte == '"' || byte == '\\')) out += '\\';
        out.append(text, i, length);
        i += length;
    }
    return out;
}

} // namespace

input_line::input_line(const std::string& line) : line_(line) {
    if (std::size_t bad = first_non_utf8(line_); bad != std::string::npos) {
        std::string byte = hex(static_cast<unsigned char>(line_[bad]));
        throw verb_error("not UTF-8 at byte " + std::to_string(bad + 1) + " (" + byte +
                         "); inside quotes, " + byte + " writes that byte");
    }
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
            // Once a quote is left open, every later quote is a character too.
            if (line_[i] == '"' && !unclosed_ && read_quoted(line_, i, word)) {
                was_quoted = true;
                one_quote = one_quote && (i == line_.size() || space(line_[i]));
                continue;
            }
            unclosed_ = unclosed_ || line_[i] == '"';
            one_quote = one_quote && !unclosed_;
            word += line_[i++];
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

std::string shown(const std::string& text) {
    return escaped(text, false);
}

std::string typed(const std::string& word) {
    bool digits = !word.empty() && std::all_of(word.begin(), word.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c));
    });
    bool plain = !word.empty() && !digits && word[0] != '#' &&
                 word.find_first_of(" \t\"") == std::string::npos && shown(word) == word;
    return plain ? word : '"' + escaped(word, true) + '"';
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
