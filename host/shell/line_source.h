// Where the shell's lines come from: a script, a pipe, or a person at a
// terminal.
#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>

namespace host {

class host_app;

class line_source {
public:
    virtual ~line_source() = default;
    // Reads the next line into `line`; false at the end of the input.
    virtual bool next(std::string& line) = 0;
    // Asks the person at the prompt `question` and reads the answer into
    // `answer`, which the history leaves out; false when the input ends or
    // Ctrl-C abandons the answer.
    virtual bool ask(const std::string& question, std::string& answer) = 0;
};

// The lines of a file, read as they come: scripts and pipes. A byte-order
// mark before the first line is skipped, and so is the \r of a \r\n. A read that a stop signal
// interrupts ends the input. A prompt, when given, is shown on `out` before
// each line, and the end of the input ends the prompt's line.
class stream_lines final : public line_source {
public:
    stream_lines(std::FILE* in, std::ostream& out, std::string prompt = "")
        : in_(in), out_(out), prompt_(std::move(prompt)) {}

    bool next(std::string& line) override;
    bool ask(const std::string& question, std::string& answer) override;

private:
    std::FILE* in_;
    std::ostream& out_;
    std::string prompt_;
    bool first_ = true;
};

// The lines a person types at the terminal on standard input, after `prompt`.
// Where the platform has a line editor, it reads UTF-8 whatever the user's
// locale (saying on `errors` when it had to switch, or could not): lines can
// be edited, Tab completes what `app` offers (shell/completion.h), Ctrl-C
// abandons the line, and earlier lines are recalled, from this session and
// from earlier ones kept in `history_file`. A history that cannot be kept is
// said at once on `errors`; one that cannot be read is kept aside, and said.
// Elsewhere it reads as stream_lines does.
std::unique_ptr<line_source> terminal_lines(host_app& app, const std::string& prompt,
                                            const std::filesystem::path& history_file,
                                            std::ostream& errors);

} // namespace host
