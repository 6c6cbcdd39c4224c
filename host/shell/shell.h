// Runs lines of the command language against the host: from a script, where
// each line is echoed so the transcript tells the story, or at a prompt.
// Errors never stop a run; they are reported in one line each and the lines
// they came from are remembered.
#pragma once

#include "app.h"
#include "shell/line_source.h"

#include <ostream>
#include <vector>

namespace host {

class shell {
public:
    // `echo`: show every line read, as a script's transcript does.
    shell(host_app& app, std::ostream& errors, bool echo)
        : app_(app), errors_(errors), echo_(echo) {}

    // Runs every line of `lines` until they end or a line quits.
    void run(line_source& lines);
    // Runs one line; false when it asked to quit.
    bool run_line(const std::string& line, std::size_t number);
    // Reports a failure not tied to a line.
    void fail(const std::string& message);

    // The numbers of the lines that failed.
    const std::vector<std::size_t>& failed_lines() const { return failed_; }
    bool failed() const { return !failed_.empty() || other_failure_; }

private:
    void report(const std::string& message, std::size_t number);

    host_app& app_;
    std::ostream& errors_;
    bool echo_;
    std::vector<std::size_t> failed_;
    bool other_failure_ = false;
};

} // namespace host
