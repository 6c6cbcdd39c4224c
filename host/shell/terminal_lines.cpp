#include "shell/line_source.h"

#include "app.h"

#include <cstdio>

#if !defined(_WIN32)
#include "shell/completion.h"
#include "shell/stop_signals.h"
#include "store/profile_file.h"

#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <langinfo.h>
#include <unistd.h>
// The BSD line editor, through its readline-style calls.
#include <editline/readline.h>
#endif

namespace host {

#if !defined(_WIN32)

namespace {

// The history keeps this many of the latest lines.
constexpr int kept_lines = 1000;

// The host that Tab completes for; the editor's callbacks take no context.
host_app* completing_for = nullptr;
std::vector<std::string> offered;

// The completions of the word being typed, one per call (`state` 0 starts
// over), in memory the editor frees.
char* next_completion(const char*, int state) {
    static std::size_t at = 0;
    if (state == 0) at = 0;
    return at < offered.size() ? strdup(offered[at++].c_str()) : nullptr;
}

char** complete(const char* text, int start, int) {
    rl_attempted_completion_over = 1; // never file names
    offered = completions(*completing_for,
                          std::string(rl_line_buffer, static_cast<std::size_t>(start)), text);
    return rl_completion_matches(text, next_completion);
}

// Switches the line editor to UTF-8, in which the host's names are, when the
// user's locale has another character set, saying so on `errors`; when no
// UTF-8 locale is installed, says how to get one.
void read_utf8(std::ostream& errors) {
    std::setlocale(LC_CTYPE, "");
    std::string codeset = nl_langinfo(CODESET);
    if (codeset == "UTF-8") return;
    for (const char* utf8 : {"C.UTF-8", "C.utf8", "en_US.UTF-8"})
        if (std::setlocale(LC_CTYPE, utf8)) {
            errors << "quorvel-host: the locale's character set is " << codeset
                   << ", not UTF-8; the prompt reads UTF-8 all the same (" << utf8 << ")\n";
            return;
        }
    errors << "quorvel-host: the locale's character set is " << codeset
           << ", not UTF-8, and no UTF-8 locale is installed: letters beyond ASCII cannot be "
              "typed (install one, then start the host with LANG=C.UTF-8)\n";
}

// Where the editor draws the prompt and the line: standard output when it is
// a terminal, otherwise the terminal itself, so that output sent to a pipe or
// a file still leaves the prompt on screen and the keys working.
std::FILE* editor_output() {
    if (isatty(STDOUT_FILENO)) return stdout;
    if (isatty(STDERR_FILENO)) return stderr;
    std::FILE* tty = std::fopen("/dev/tty", "w");
    return tty ? tty : stdout;
}

class edited_lines final : public line_source {
public:
    edited_lines(host_app& app, std::string prompt, std::filesystem::path history_file,
                 std::ostream& errors)
        : out_(app.out), errors_(errors), prompt_(std::move(prompt)),
          history_file_(std::move(history_file)) {
        read_utf8(errors_);
        completing_for = &app;
        rl_readline_name = "quorvel-host";
        rl_attempted_completion_function = complete;
        rl_basic_word_break_characters = const_cast<char*>(" \t\n");
        rl_outstream = editor_output();
        using_history();
        stifle_history(kept_lines);
        open_history();
    }

    ~edited_lines() override {
        completing_for = nullptr;
        offered.clear();
        if (rl_outstream != stdout && rl_outstream != stderr) std::fclose(rl_outstream);
        rl_outstream = stdout;
    }

    bool next(std::string& line) override {
        out_ << std::flush;
        while (true) {
            char* typed = readline(prompt_.c_str());
            // Ctrl-C abandons the line being typed, as in a shell.
            if (stop_signals::caught() == SIGINT) {
                stop_signals::forget();
                std::free(typed);
                std::fputc('\n', rl_outstream);
                continue;
            }
            // The end of the input, or another stop signal, ends the session.
            if (!typed || stop_signals::caught()) {
                std::free(typed);
                std::fputc('\n', rl_outstream);
                return false;
            }
            line = typed;
            std::free(typed);
            remember(line);
            return true;
        }
    }

    bool ask(const std::string& question, std::string& answer) override {
        out_ << std::flush;
        char* typed = readline(question.c_str());
        bool answered = typed && !stop_signals::caught();
        if (answered) answer = typed;
        std::free(typed);
        if (!answered) std::fputc('\n', rl_outstream);
        // Ctrl-C abandons the answer only; another signal still ends the session.
        if (stop_signals::caught() == SIGINT) stop_signals::forget();
        return answered;
    }

private:
    // Reads the history kept from earlier sessions. A file that cannot be
    // kept is said now, with the profile's other lines; one the editor
    // cannot read is kept aside, not overwritten.
    void open_history() {
        std::string path = history_file_.string();
        errno = 0;
        std::FILE* probe = std::fopen(path.c_str(), "a");
        if (!probe) {
            keep_history_ = false;
            errors_ << "quorvel-host: cannot keep the prompt's history in " << path << ": "
                    << std::strerror(errno ? errno : EIO) << '\n';
            return;
        }
        std::fclose(probe);
        std::error_code ec;
        if (std::filesystem::file_size(history_file_, ec) == 0 || read_history(path.c_str()) == 0)
            return;
        profile_file file(history_file_.parent_path(), history_file_.filename().string());
        std::string aside = file.keep_aside();
        // One that cannot be moved aside is not written over either.
        keep_history_ = !std::filesystem::exists(history_file_, ec);
        errors_ << "quorvel-host: the prompt's history " << path << " cannot be read; " << aside
                << (keep_history_ ? ", a new one begins" : ", and no history is kept") << '\n';
    }

    // Adds `line` to the history, unless it is blank or repeats the last one,
    // and keeps the history in its file at once, so a session that ends
    // abruptly loses none of it. A failure is said once, and ends the saving.
    void remember(const std::string& line) {
        if (line.find_first_not_of(" \t") == std::string::npos) return;
        HIST_ENTRY* last =
            history_length > 0 ? history_get(history_base + history_length - 1) : nullptr;
        if (last && last->line && line == last->line) return;
        add_history(line.c_str());
        errno = 0;
        if (keep_history_ && write_history(history_file_.string().c_str()) != 0) {
            keep_history_ = false;
            errors_ << "quorvel-host: cannot save the history to " << history_file_.string() << ": "
                    << std::strerror(errno ? errno : EIO) << '\n';
        }
    }

    std::ostream& out_;
    std::ostream& errors_;
    std::string prompt_;
    std::filesystem::path history_file_;
    bool keep_history_ = true;
};

} // namespace

#endif

std::unique_ptr<line_source>
terminal_lines(host_app& app, const std::string& prompt,
               [[maybe_unused]] const std::filesystem::path& history_file,
               [[maybe_unused]] std::ostream& errors) {
#if defined(_WIN32)
    return std::make_unique<stream_lines>(stdin, app.out, prompt);
#else
    return std::make_unique<edited_lines>(app, prompt, history_file, errors);
#endif
}

} // namespace host
