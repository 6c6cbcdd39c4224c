#include "shell/line_source.h"

#include <iostream>

#if !defined(_WIN32)
#include "shell/verbs.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
// The BSD line editor, through its readline-style calls.
#include <editline/readline.h>
#endif

namespace host {

#if !defined(_WIN32)

namespace {

// The history keeps this many of the latest lines.
constexpr int kept_lines = 1000;

// The verbs that start with `text`, one per call (`state` 0 starts over), in
// memory the editor frees.
char* next_verb(const char* text, int state) {
    static std::size_t at = 0;
    if (state == 0) at = 0;
    const std::vector<verb>& verbs = all_verbs();
    while (at < verbs.size()) {
        const char* name = verbs[at++].name;
        if (std::strncmp(name, text, std::strlen(text)) == 0) return strdup(name);
    }
    return nullptr;
}

// Completes the word before the cursor when it is the line's first, the verb;
// later words get no completion (not file names either).
char** complete(const char* text, int start, int) {
    rl_attempted_completion_over = 1;
    std::string before(rl_line_buffer, static_cast<std::size_t>(start));
    if (before.find_first_not_of(" \t") != std::string::npos) return nullptr;
    return rl_completion_matches(text, next_verb);
}

class edited_lines final : public line_source {
public:
    edited_lines(std::ostream& out, std::string prompt, std::filesystem::path history_file)
        : out_(out), prompt_(std::move(prompt)), history_file_(std::move(history_file)) {
        rl_readline_name = "quorvel-host";
        rl_attempted_completion_function = complete;
        using_history();
        stifle_history(kept_lines);
        read_history(history_file_.string().c_str());
    }

    bool next(std::string& line) override {
        out_ << std::flush;
        char* typed = readline(prompt_.c_str());
        if (!typed) {
            out_ << '\n';
            return false;
        }
        line = typed;
        std::free(typed);
        remember(line);
        return true;
    }

private:
    // Adds `line` to the history, unless it is blank or repeats the last one,
    // and keeps the history in its file at once, so a session that ends
    // abruptly loses none of it.
    void remember(const std::string& line) {
        if (line.find_first_not_of(" \t") == std::string::npos) return;
        HIST_ENTRY* last =
            history_length > 0 ? history_get(history_base + history_length - 1) : nullptr;
        if (last && last->line && line == last->line) return;
        add_history(line.c_str());
        write_history(history_file_.string().c_str());
    }

    std::ostream& out_;
    std::string prompt_;
    std::filesystem::path history_file_;
};

} // namespace

#endif

std::unique_ptr<line_source>
terminal_lines(std::ostream& out, const std::string& prompt,
               [[maybe_unused]] const std::filesystem::path& history_file) {
#if defined(_WIN32)
    return std::make_unique<stream_lines>(std::cin, out, prompt);
#else
    return std::make_unique<edited_lines>(out, prompt, history_file);
#endif
}

} // namespace host
