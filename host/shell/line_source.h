// Where the shell's lines come from: a script, a pipe, or a person at a
// terminal.
#pragma once

#include <filesystem>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

namespace host {

class line_source {
public:
    virtual ~line_source() = default;
    // Reads the next line into `line`; false at the end of the input.
    virtual bool next(std::string& line) = 0;
};

// The lines of a stream, read as they come: scripts and pipes. A prompt, when
// given, is shown on `out` before each line, and the end of the input ends
// the prompt's line.
class stream_lines final : public line_source {
public:
    stream_lines(std::istream& in, std::ostream& out, std::string prompt = "")
        : in_(in), out_(out), prompt_(std::move(prompt)) {}

    bool next(std::string& line) override;

private:
    std::istream& in_;
    std::ostream& out_;
    std::string prompt_;
};

// The lines a person types at the terminal on standard input, after `prompt`.
// Where the platform has a line editor, lines can be edited, Tab completes a
// verb, and earlier lines are recalled, from this session and from earlier
// ones kept in `history_file`. Elsewhere it reads as stream_lines does.
std::unique_ptr<line_source> terminal_lines(std::ostream& out, const std::string& prompt,
                                            const std::filesystem::path& history_file);

} // namespace host
