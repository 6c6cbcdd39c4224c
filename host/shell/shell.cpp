#include "shell/shell.h"

#include "shell/stop_signals.h"
#include "shell/verbs.h"

#include <algorithm>
#include <cctype>
#include <csignal>
#include <string>
#include <tuple>

namespace host {

namespace {

char lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// The edit distance between `a` and `b`, letters compared without case.
std::size_t distance(const std::string& a, const std::string& b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1,
                               diagonal + (lower(a[i - 1]) == lower(b[j - 1]) ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// How many first letters `a` and `b` share, without case.
std::size_t shared_start(const std::string& a, const std::string& b) {
    std::size_t n = 0;
    while (n < a.size() && n < b.size() && lower(a[n]) == lower(b[n]))
        ++n;
    return n;
}

// Whether `word` abbreviates `name`: it starts the name, or the name's
// consonants, as rm does remove and ls list.
bool abbreviates(const std::string& word, const std::string& name) {
    std::string consonants;
    for (char c : name)
        if (std::string("aeiou").find(c) == std::string::npos) consonants += c;
    return word.size() >= 2 && (shared_start(word, name) == word.size() ||
                                shared_start(word, consonants) == word.size());
}

// What to say of a verb nobody knows: the verb it abbreviates, or else the
// nearest within two edits, those sharing more first letters before others.
std::string unknown_verb(const std::string& name) {
    const verb* nearest = nullptr;
    auto rank = [&](const verb& v) {
        return std::make_tuple(abbreviates(name, v.name), shared_start(name, v.name),
                               -static_cast<long>(distance(name, v.name)));
    };
    for (const verb& v : all_verbs())
        if ((abbreviates(name, v.name) || distance(name, v.name) <= 2) &&
            (!nearest || rank(v) > rank(*nearest)))
            nearest = &v;
    return "unknown command" + (nearest ? std::string("; did you mean ") + nearest->name + "?"
                                        : std::string(" (help lists the commands)"));
}

// The first word of `line` as typed, for the error that it is no command.
std::string first_word(const std::string& line) {
    std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos) return {};
    return line.substr(start, line.find_first_of(" \t", start) - start);
}

} // namespace

void shell::run(line_source& lines) {
    std::string line;
    person_ = mode_ == mode::prompt ? &lines : nullptr;
    for (std::size_t number = 1; !stop_signals::caught() && lines.next(line); ++number) {
        std::size_t failures = failed_.size();
        if (!run_line(line, number)) break;
        // At the prompt, Ctrl-C stops only the command it came during.
        if (mode_ == mode::prompt && stop_signals::caught() == SIGINT) stop_signals::forget();
        if (mode_ == mode::script && failed_.size() > failures) break;
    }
    person_ = nullptr;
}

bool shell::run_line(const std::string& line, std::size_t number) {
    if (echo_) app_.out << (is_comment(line) ? "" : "> ") << shown(line) << '\n';
    if (is_comment(line)) return true;
    std::string name = shown(first_word(line));
    verb_context context{app_, person_, stop_signals::caught};
    try {
        input_line words(line);
        if (words.empty()) return true;
        name = shown(words.verb());
        const verb* v = verb_named(words.verb());
        if (!v) {
            report(name + ": " + unknown_verb(words.verb()), number);
            return true;
        }
        if (words.unclosed() && !v->rest) throw verb_error("a quote is not closed");
        v->run(context, words);
    } catch (const verb_stopped& e) {
        // The signal may have cut a write short and left the output stream failed.
        app_.out.clear();
        report(name + ": " + e.what(), number);
    } catch (const verb_error& e) {
        report(name + ": " + e.what(), number);
    } catch (const std::exception& e) {
        // Whatever else goes wrong in the host stays one failed line, not a crash.
        report(name + ": the host failed: " + e.what(), number);
    }
    for (const std::string& warning : context.warnings)
        say(name + ": warning: " + warning, number);
    return !context.quit;
}

void shell::fail(const std::string& message) {
    other_failure_ = true;
    app_.out << std::flush;
    errors_ << "quorvel-host: " << message << std::endl;
}

void shell::report(const std::string& message, std::size_t number) {
    if (mode_ != mode::prompt) failed_.push_back(number);
    say(message, number);
}

void shell::say(const std::string& message, std::size_t number) {
    app_.out << std::flush;
    if (mode_ != mode::prompt) errors_ << source_ << ':' << number << ": ";
    errors_ << message << std::endl;
}

} // namespace host
