#include "shell/line_source.h"

#include "shell/stop_signals.h"

#include <csignal>
#include <utility>

namespace host {

bool stream_lines::next(std::string& line) {
    if (!prompt_.empty()) out_ << prompt_ << std::flush;
    line.clear();
    // stdio's reads, unlike the C++ streams', end when a signal interrupts them.
    int c = 0;
    while ((c = std::getc(in_)) != EOF && c != '\n')
        line += static_cast<char>(c);
    if (c == EOF && (line.empty() || std::ferror(in_))) {
        if (!prompt_.empty()) out_ << '\n';
        return false;
    }
    // A line ending in \r\n, as Windows editors save it, ends before the \r.
    if (!line.empty() && line.back() == '\r') line.pop_back();
    // A byte-order mark, as some editors save UTF-8, is no part of the first line.
    if (first_ && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
    first_ = false;
    return true;
}

bool stream_lines::ask(const std::string& question, std::string& answer) {
    std::string prompt = std::exchange(prompt_, question);
    bool answered = next(answer) && !stop_signals::caught();
    prompt_ = std::move(prompt);
    if (stop_signals::caught() == SIGINT) stop_signals::forget();
    return answered;
}

} // namespace host
