#include "shell/line_source.h"

namespace host {

bool stream_lines::next(std::string& line) {
    if (!prompt_.empty()) out_ << prompt_ << std::flush;
    if (std::getline(in_, line)) return true;
    if (!prompt_.empty()) out_ << '\n';
    return false;
}

} // namespace host
