// The host's command language, the same at the prompt and in a script: one
// command per line, a verb and its words; double quotes keep a word with
// spaces together, and inside them \" and \\ stand for " and \, and \xHH for
// the byte HH (the one way to write a byte that is not UTF-8). A quote that
// is not closed is a character like any other. A line starting with '#' is
// a comment, and so is the rest of a line from a '#' that stands alone as a
// word; a '#' within a word ("#2", "C#") is kept.
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
    // Splits `line` into words. A line that is not UTF-8 as typed is a
    // verb_error naming the first bad byte.
    explicit input_line(const std::string& line);

    bool empty() const { return words_.empty(); }
    const std::string& verb() const { return words_.front(); }
    // The number of words after the verb.
    std::size_t count() const { return words_.size() - 1; }
    // Word `n` after the verb (0-based), quotes removed.
    const std::string& word(std::size_t n) const { return words_[n + 1]; }
    // Whether word `n` was written in quotes.
    bool quoted(std::size_t n) const { return quoted_[n + 1]; }
    // Whether a quote was opened and not closed: only a text that takes the
    // rest of the line may hold one.
    bool unclosed() const { return unclosed_; }
    // The line as written from word `n` to its last word, spaces and quotes
    // kept; a text that is one quoted word is that word, quotes and escapes
    // removed.
    std::string rest(std::size_t n) const;

private:
    std::string line_;
    std::vector<std::string> words_;
    std::vector<bool> quoted_;
    std::vector<bool> one_quote_;     // whether each word is exactly one quoted text
    std::vector<std::size_t> starts_; // where each word begins in the line
    std::vector<std::size_t> ends_;   // and where it ends
    bool unclosed_ = false;
};

// A comment or a blank line: nothing to run.
bool is_comment(const std::string& line);

// `text` fit to show on one line: control bytes (but tabs) and bytes that
// are not UTF-8 as \xHH.
std::string shown(const std::string& text);
// `word` as it is typed to be read back as that one word: quoted, with
// escapes, when it holds what would split it, start a comment, read as a
// position, or be shown escaped.
std::string typed(const std::string& word);

// Reads a 1-based position no greater than `count` from `text`; `what` names
// the thing counted, for the error ("playlist", "track").
std::size_t position(const std::string& text, std::size_t count, const std::string& what,
                     const std::string& where);

} // namespace host
