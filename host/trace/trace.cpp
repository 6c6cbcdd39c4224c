#include "trace/trace.h"

#include "plural.h"
#include "quorvel/commands.h"
#include "quorvel/playlists.h"
#include "quorvel/settings_page.h"
#include "quorvel/version_info.h"
#include "trace/guid_text.h"

#include <cstdio>
#include <vector>

namespace host::trace {

namespace {

struct frame {
    std::string line; // the call as printed, without its result
    bool printed = false;
};

std::ostream* sink = nullptr;
int muted = 0;
std::vector<frame> open_calls;

std::string indent(std::size_t depth) {
    return std::string(2 * depth, ' ');
}

void print(const std::string& line) {
    *sink << "trace " << line << '\n';
}

} // namespace

void enable(std::ostream& out) {
    sink = &out;
}

bool enabled() {
    return sink && muted == 0;
}

mute::mute(bool really) : really_(really) {
    if (really_) ++muted;
}

mute::~mute() {
    if (really_) --muted;
}

void call::begin(direction d, std::string text) {
    if (!open_calls.empty() && !open_calls.back().printed) {
        print(open_calls.back().line);
        open_calls.back().printed = true;
    }
    const char* arrow = d == direction::to_component ? "-> " : "<- ";
    open_calls.push_back({indent(open_calls.size()) + arrow + text});
    open_ = true;
}

call::~call() {
    if (!open_) return;
    frame done = std::move(open_calls.back());
    open_calls.pop_back();
    if (!done.printed)
        print(done.line + (result_.empty() ? "" : " = " + result_));
    else if (!result_.empty())
        print(indent(open_calls.size()) + "   = " + result_);
}

std::string call_text(std::string_view object, std::string_view op,
                      std::initializer_list<std::string> args) {
    std::string text(object);
    if (!text.empty()) text += '.';
    text += op;
    text += '(';
    for (const std::string& arg : args) {
        if (&arg != args.begin()) text += ", ";
        text += arg;
    }
    return text + ')';
}

std::string quoted(const char* text) {
    if (!text) return "null";
    std::string out = "\"";
    for (const char* p = text; *p; ++p) {
        unsigned char c = static_cast<unsigned char>(*p);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string class_name(const quorvel::guid& cls) {
    if (cls == quorvel::playlist_roster_class) return "playlist_roster";
    if (cls == quorvel::active_playlist_class) return "active_playlist";
    if (cls == quorvel::command_source_class) return "command_source";
    if (cls == quorvel::command_source_ext) return "command_source_ext";
    if (cls == quorvel::playlist_watcher_class) return "playlist_watcher";
    if (cls == quorvel::settings_page_class) return "settings_page";
    if (cls == quorvel::version_info_class) return "version_info";
    return guid_text(cls);
}

std::string caller_name(const quorvel::guid& caller) {
    if (caller == quorvel::caller_playlist_view) return "playlist_view";
    if (caller == quorvel::caller_none) return "no caller";
    return guid_text(caller);
}

std::string bytes(const void* data, std::uint32_t length) {
    constexpr std::uint32_t shown = 16;
    std::string out = count_of(length, "byte", "bytes");
    if (!data || length == 0) return out;
    out += ":";
    auto* b = static_cast<const unsigned char*>(data);
    for (std::uint32_t i = 0; i < length && i < shown; ++i) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02x", b[i]);
        out += hex;
    }
    if (length > shown) out += " ...";
    return out;
}

} // namespace host::trace
