#include "host/shell.h"

#include "host/commands.h"

#include <string>

namespace host {

void shell::run(std::istream& input, const std::string& prompt) {
    std::string line;
    for (std::size_t number = 1;; ++number) {
        if (!prompt.empty()) app_.out << prompt << std::flush;
        if (!std::getline(input, line)) {
            if (!prompt.empty()) app_.out << '\n';
            break;
        }
        if (!run_line(line, number)) break;
    }
}

bool shell::run_line(const std::string& line, std::size_t number) {
    if (echo_) app_.out << (is_comment(line) ? "" : "> ") << line << '\n';
    if (is_comment(line)) return true;
    std::string verb;
    try {
        command_line words(line);
        verb = words.verb();
        for (const command& c : all_commands()) {
            if (verb != c.name) continue;
            command_context context{app_};
            c.run(context, words);
            return !context.quit;
        }
        report("unknown command \"" + verb + "\"; help lists the commands", number);
    } catch (const command_error& e) {
        report((verb.empty() ? "" : verb + ": ") + e.what(), number);
    } catch (const std::exception& e) {
        // Whatever else goes wrong in the host stays one failed line, not a crash.
        report((verb.empty() ? "" : verb + ": ") + "the host failed: " + e.what(), number);
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
