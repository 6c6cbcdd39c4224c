// Runs lines of the command language against the host: from a script, where
// each line is echoed so the transcript tells the story, or at a prompt.
// A failed line is one line on the error stream. A script stops at its first
// failed line unless told to keep going; the prompt always goes on.
#pragma once

#include "app.h"
#include "shell/line_source.h"

#include <ostream>
#include <string>
#include <vector>

namespace host {

class shell {
public:
    enum class mode {
        prompt,     // errors without a line number; they do not fail the run
        script,     // "FILE:LINE: verb: reason", and the run stops there
        keep_going, // as a script, but the run goes on to the end
    };

    // `source` names the script in error lines; `echo` shows every line read.
    shell(host_app& app, std::ostream& errors, mode how, std::string source, bool echo)
        : app_(app), errors_(errors), mode_(how), source_(std::move(source)), echo_(echo) {}

    // Runs the lines of `lines` until they end, a line quits, a script's line
    // fails, or a stop signal arrives.
    void run(line_source& lines);
    // Runs one line; false when it asked to quit.
    bool run_line(const std::string& line, std::size_t number);
    // Reports a failure not tied to a line.
    void fail(const std::string& message);

    // The numbers of the script's lines that failed.
    const std::vector<std::size_t>& failed_lines() const { return failed_; }
    bool failed() const { return !failed_.empty() || other_failure_; }

private:
    // Says that line `number` failed.
    void report(const std::string& message, std::size_t number);
    // One line on the error stream, about line `number`.
    void say(const std::string& message, std::size_t number);

    host_app& app_;
    std::ostream& errors_;
    mode mode_;
    std::string source_;
    bool echo_;
    line_source* person_ = nullptr; // the prompt's lines, while run reads them
    std::vector<std::size_t> failed_;
    bool other_failure_ = false;
};

} // namespace host
