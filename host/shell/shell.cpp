#include "shell/shell.h"

#include "shell/verbs.h"

#include <string>

namespace host {

void shell::run(line_source& lines) {
    std::string line;
    for (std::size_t number = 1; lines.next(line); ++number)
        if (!run_line(line, number)) break;
}

bool shell::run_line(const std::string& line, std::size_t number) {
    if (echo_) app_.out << (is_comment(line) ? "" : "> ") << line << '\n';
    if (is_comment(line)) return true;
    std::string name;
    try {
        input_line words(line);
        name = words.verb();
        for (const verb& v : all_verbs()) {
            if (name != v.name) continue;
            verb_context context{app_};
            v.run(context, words);
            return !context.quit;
        }
        report("unknown command \"" + name + "\"; help lists the commands", number);
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
    errors_ << "error: " << message << std::endl;
}

void shell::report(const std::string& message, std::size_t number) {
    failed_.push_back(number);
    app_.out << std::flush;
    errors_ << "error (line " << number << "): " << message << std::endl;
}

} // namespace host
