// quorvel-host: the stand-in for the media player that hosts components. It
// loads a component library as the player does, keeps real playlists, and lets
// a person (at a prompt), a script (--script) or a test drive the component
// through the host's menus, shortcut list and preferences.
#include "app.h"
#include "plural.h"
#include "shell/shell.h"
#include "shell/stop_signals.h"
#include "store/profile_lock.h"
#include "store/store.h"
#include "trace/trace.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#define isatty _isatty
#define STDIN_FILENO 0
#else
#include <unistd.h>
#endif

namespace {

constexpr const char* usage =
    "usage: quorvel-host [--library PATH] [--profile DIR]\n"
    "                    [--script FILE [--keep-going]] [--trace]\n"
    "  --library PATH  the component library to load (default: the one built\n"
    "                  with the host)\n"
    "  --profile DIR   the profile folder: settings, playlists and the prompt's\n"
    "                  history (default: $XDG_CONFIG_HOME/quorvel, or\n"
    "                  ~/.config/quorvel)\n"
    "  --script FILE   run the commands in FILE (- for standard input), echoing\n"
    "                  each line, instead of a prompt; the first line that fails\n"
    "                  stops it. Input that is not a terminal is run as the\n"
    "                  script \"stdin\".\n"
    "  --keep-going    run every line of the script, and name the failed ones at\n"
    "                  the end\n"
    "  --trace         print every call between the host and the component\n";

// The lines typed at the prompt, kept in the profile folder across sessions.
constexpr const char* history_file = "quorvel-host.history";

struct options {
    std::string library = RELAYVO_LIBRARY;
    std::optional<std::string> profile;
    std::string script;
    bool keep_going = false;
    bool trace = false;
};

// Reads the command line; false (after saying why) when it cannot be used.
bool parse(int argc, char** argv, options& o) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) return false;
            out = argv[++i];
            return true;
        };
        bool ok = true;
        if (arg == "--library")
            ok = value(o.library);
        else if (arg == "--profile")
            ok = value(o.profile.emplace());
        else if (arg == "--script")
            ok = value(o.script);
        else if (arg == "--keep-going")
            o.keep_going = true;
        else if (arg == "--trace")
            o.trace = true;
        else if (arg == "--help" || arg == "-h") {
            std::cout << usage;
            std::exit(0);
        } else {
            std::cerr << "quorvel-host: unknown option " << arg << '\n' << usage;
            return false;
        }
        if (!ok) {
            std::cerr << "quorvel-host: " << arg << " needs a value\n" << usage;
            return false;
        }
    }
    if (o.profile && o.profile->empty()) {
        std::cerr << "quorvel-host: --profile needs a folder, not an empty name\n";
        return false;
    }
    if (o.keep_going && o.script.empty() && isatty(STDIN_FILENO)) {
        std::cerr << "quorvel-host: --keep-going goes with a script: --script FILE, or input "
                     "that is not a terminal\n";
        return false;
    }
    return true;
}

using file_ptr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// Opens the script; null (after saying why, in one line) when it cannot be read.
file_ptr open_script(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        std::cerr << "quorvel-host: cannot read the script " << path << ": it is a folder\n";
        return {nullptr, std::fclose};
    }
    errno = 0;
    file_ptr script(std::fopen(path.c_str(), "r"), std::fclose);
    if (!script)
        std::cerr << "quorvel-host: cannot read the script " << path << ": " << std::strerror(errno)
                  << '\n';
    return script;
}

std::string lines_text(const std::vector<std::size_t>& lines) {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i)
        out += (i ? ", " : "") + std::to_string(lines[i]);
    return out;
}

} // namespace

int main(int argc, char** argv) {
#if defined(_WIN32)
    // Lines end in \n as on every other platform, so transcripts compare byte for byte.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    options o;
    if (!parse(argc, argv, o)) return 2;
    // Input that is not a terminal is a script too, as --script - names it.
    bool interactive = o.script.empty() && isatty(STDIN_FILENO);
    if (o.script.empty() && !interactive) o.script = "-";
    file_ptr script(nullptr, std::fclose);
    if (!interactive && o.script != "-" && !(script = open_script(o.script))) return 2;
    if (o.trace) host::trace::enable(std::cout);

    std::filesystem::path profile =
        o.profile ? std::filesystem::path(*o.profile) : host::default_profile();
    // Held until the process ends, and released after everything else.
    std::optional<host::profile_lock> lock;
    host::host_app app(o.library, profile, std::cout);
    // Said once, before anything is done, not only when the first save fails.
    if (std::string problem = app.open_profile(); !problem.empty()) {
        std::cerr << "quorvel-host: " << problem << "; nothing will be saved\n";
    } else {
        // Another host on the profile stops this one before it reads or writes anything.
        lock.emplace(profile);
        if (!lock->problem().empty()) std::cerr << "quorvel-host: " << lock->problem() << '\n';
        if (lock->in_use()) return 2;
    }
    // The prompt's history is in the profile too: a problem with it is said here.
    std::unique_ptr<host::line_source> lines;
    if (interactive)
        lines = host::terminal_lines(app, "quorvel> ", app.settings_store().folder() / history_file,
                                     std::cerr);
    else
        lines = std::make_unique<host::stream_lines>(script ? script.get() : stdin, std::cout);
    for (const std::string& problem : app.load_playlists())
        std::cout << problem << '\n';
    if (std::string error = app.load(o.library); !error.empty()) {
        std::cout << std::flush;
        std::cerr << "quorvel-host: " << error << '\n';
        return 2;
    }

    using mode = host::shell::mode;
    host::shell shell(app, std::cerr,
                      interactive    ? mode::prompt
                      : o.keep_going ? mode::keep_going
                                     : mode::script,
                      o.script == "-" ? "stdin" : o.script, !interactive);
    if (interactive) std::cout << "type help for the commands, quit to leave\n";
    host::stop_signals::catch_them();
    shell.run(*lines);
    if (std::string error = app.finish(); !error.empty()) shell.fail(error);
    if (int signal = host::stop_signals::caught()) {
        std::cout << std::flush;
        host::stop_signals::leave_as(signal);
    }

    std::cout << std::flush;
    std::size_t failed = shell.failed_lines().size();
    if (o.keep_going && failed > 0)
        std::cerr << "quorvel-host: " << host::count_of(failed, "command", "commands")
                  << " failed, on " << host::plural(failed, "line ", "lines ")
                  << lines_text(shell.failed_lines()) << '\n';
    return shell.failed() ? 1 : 0;
}
