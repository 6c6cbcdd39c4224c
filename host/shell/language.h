// The host's command language, the same at the prompt and in a script: one
// command per line, a verb and its words; double quotes keep a word with
// spaces together, and inside them \" and \\ stand for " and \. A line
// starting with '#' is a comment, and so is the rest of a line from a '#'
// that stands alone as a word; a '#' within a word ("#2", "C#") is kept.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

namespace host {

// A verb that cannot be carried out: one line for the user, nothing done.
class verb_error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class input_line {
public:
    // Splits `line` into words; an unclosed quote is a verb_error.
    explicit input_line(const std::string& line);

    bool empty() const { return words_.empty(); }
    const std::string& verb() const { return words_.front(); }
    // The number of words after the verb.
    std::size_t count() const { return words_.size() - 1; }
    // Word `n` after the verb (0-based), quotes removed.
    const std::string& word(std::size_t n) const { return words_[n + 1]; }
    // Whether word `n` was written in quotes.
    bool quoted(std::size_t n) const { return quoted_[n + 1]; }
    // The line as written from word `n` to its last word, spaces kept; a
    // text that is one quoted word is that word, quotes and escapes removed.
    std::string rest(std::size_t n) const;

private:
    std::string line_;
    std::vector<std::string> words_;
    std::vector<bool> quoted_;
    std::vector<bool> one_quote_;     // whether each word is exactly one quoted text
    std::vector<std::size_t> starts_; // where each word begins in the line
    std::vector<std::size_t> ends_;   // and where it ends
};

// A comment or a blank line: nothing to run.
bool is_comment(const std::string& line);

// Reads a 1-based position no greater than `count` from `text`; `what` names
// the thing counted, for the error ("playlist", "track").
std::size_t position(const std::string& text, std::size_t count, const std::string& what,
                     const std::string& where);

} // namespace host
