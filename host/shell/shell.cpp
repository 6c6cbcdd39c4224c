#include "shell/shell.h"

#include "shell/stop_signals.h"
#include "shell/verbs.h"

#include <algorithm>
#include <cctype>
#include <string>

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

// What to say of a verb nobody knows: the nearest verb, when one is near.
std::string unknown_verb(const std::string& name) {
    const verb* nearest = nullptr;
    std::size_t best = 3; // farther than two edits is no typo
    for (const verb& v : all_verbs())
        if (std::size_t d = distance(name, v.name); d < best) {
            best = d;
            nearest = &v;
        }
    return "unknown command" + (nearest ? std::string("; did you mean ") + nearest->name + "?"
                                        : std::string(" (help lists the commands)"));
}

} // namespace

void shell::run(line_source& lines) {
    std::string line;
    person_ = mode_ == mode::prompt ? &lines : nullptr;
    for (std::size_t number = 1; !stop_signals::caught() && lines.next(line); ++number) {
        std::size_t failures = failed_.size();
        if (!run_line(line, number)) break;
        if (mode_ == mode::script && failed_.size() > failures) break;
    }
    person_ = nullptr;
}

bool shell::run_line(const std::string& line, std::size_t number) {
    if (echo_) app_.out << (is_comment(line) ? "" : "> ") << line << '\n';
    if (is_comment(line)) return true;
    std::string name;
    try {
        input_line words(line);
        if (words.empty()) return true;
        name = words.verb();
        if (const verb* v = verb_named(name)) {
            verb_context context{app_, person_};
            v->run(context, words);
            return !context.quit;
        }
        report(name + ": " + unknown_verb(name), number);
    } catch (const verb_error& e) {
        report((name.empty() ? "" : name + ": ") + e.what(), number);
    } catch (const std::exception& e) {
        // Whatever else goes wrong in the host stays one failed line, not a crash.
        report((name.empty() ? "" : name + ": ") + "the host failed: " + e.what(), number);
    }
    return true;
}

void shell::fail(const std::string& message) {
    other_failure_ = true;
    app_.out << std::flush;
    errors_ << "quorvel-host: " << message << std::endl;
}

void shell::report(const std::string& message, std::size_t number) {
    app_.out << std::flush;
    if (mode_ == mode::prompt) {
        errors_ << message << std::endl;
        return;
    }
    failed_.push_back(number);
    errors_ << source_ << ':' << number << ": " << message << std::endl;
}

} // namespace host
