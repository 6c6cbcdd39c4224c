#include "shell/line_source.h"

namespace host {

bool stream_lines::next(std::string& line) {
    if (!prompt_.empty()) out_ << prompt_ << std::flush;
    if (std::getline(in_, line)) {
        // A byte-order mark, as some editors save UTF-8, is no part of the first line.
        if (first_ && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
        first_ = false;
        return true;
    }
    if (!prompt_.empty()) out_ << '\n';
    return false;
}

} // namespace host
