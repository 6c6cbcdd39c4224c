#include "store/store.h"

#include "plural.h"

#include <cstdio>
#include <cstdlib>

namespace host {

namespace fs = std::filesystem;

namespace {

std::uint32_t u32_at(const std::vector<std::uint8_t>& blob, std::size_t at) {
    return static_cast<std::uint32_t>(blob[at]) | static_cast<std::uint32_t>(blob[at + 1]) << 8 |
           static_cast<std::uint32_t>(blob[at + 2]) << 16 |
           static_cast<std::uint32_t>(blob[at + 3]) << 24;
}

// Walks the records of `blob`; `whole` gets the number of whole records, and
// the result says what stops the walk before the end, or is empty.
std::string walk(const std::vector<std::uint8_t>& blob, std::size_t& whole) {
    whole = 0;
    std::size_t at = 0;
    while (at < blob.size()) {
        std::size_t left = blob.size() - at;
        std::string where =
            "record " + std::to_string(whole + 1) + " at byte " + std::to_string(at);
        if (left < 4) return where + ": " + count_of(left, "stray byte", "stray bytes");
        std::uint32_t key = u32_at(blob, at);
        if (key > left - 4)
            return where + ": key length " + std::to_string(key) + " runs past the end";
        left -= 4 + static_cast<std::size_t>(key);
        if (left < 4) return where + ": no room for the value length";
        std::uint32_t value = u32_at(blob, at + 4 + key);
        if (value > left - 4)
            return where + ": value length " + std::to_string(value) + " runs past the end";
        at += 8 + static_cast<std::size_t>(key) + value;
        ++whole;
    }
    return {};
}

std::string hex_line(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    char text[16];
    std::snprintf(text, sizeof text, "  %04x ", static_cast<unsigned>(at));
    std::string line = text;
    std::string chars;
    for (std::size_t i = at; i < at + 16; ++i) {
        if (i == at + 8) line += ' ';
        if (i < bytes.size()) {
            std::snprintf(text, sizeof text, " %02x", bytes[i]);
            line += text;
            chars += bytes[i] >= 0x20 && bytes[i] < 0x7F ? static_cast<char>(bytes[i]) : '.';
        } else {
            line += "   ";
        }
    }
    return line + "  |" + chars + "|";
}

} // namespace

std::string check_records(const std::vector<std::uint8_t>& blob) {
    std::size_t whole = 0;
    return walk(blob, whole);
}

std::size_t count_records(const std::vector<std::uint8_t>& blob) {
    std::size_t whole = 0;
    walk(blob, whole);
    return whole;
}

fs::path default_profile() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        return fs::path(xdg) / "quorvel";
    if (const char* home = std::getenv("HOME"); home && *home)
        return fs::path(home) / ".config" / "quorvel";
    return fs::path(".quorvel");
}

store::reading store::read() {
    reading r;
    std::error_code ec;
    if (!fs::is_directory(folder(), ec)) return r;
    profile_file::contents stored = file_.read();
    const std::string& name = file_.name();
    if (stored.state == profile_file::contents::missing) {
        r.report = "store: no " + name + " yet; the component starts with its defaults";
        return r;
    }
    if (stored.state == profile_file::contents::unreadable) {
        r.report = "store: " + stored.problem +
                   "; the component starts with its defaults, and saves are refused";
        return r;
    }
    std::string problem = check_records(stored.bytes);
    if (problem.empty()) {
        r.report = "store: " + name + " read, " + count_of(stored.bytes.size(), "byte", "bytes") +
                   " in " + count_of(count_records(stored.bytes), "record", "records");
        if (!stored.note.empty()) r.report += "; " + stored.note;
    } else {
        r.report = "store: " + name + " is damaged (" + problem + "); " + file_.keep_aside() +
                   "; the component takes what it can read";
    }
    r.bytes = std::move(stored.bytes);
    return r;
}

std::vector<std::string> store::listing() const {
    std::vector<std::string> lines;
    const std::string& name = file_.name();
    profile_file::contents stored = file_.peek();
    if (stored.state == profile_file::contents::missing) {
        lines.push_back(name + ": not saved yet");
    } else if (stored.state == profile_file::contents::unreadable) {
        lines.push_back(stored.problem);
    } else {
        const std::vector<std::uint8_t>& bytes = stored.bytes;
        std::string problem = check_records(bytes);
        lines.push_back(name + ": " + count_of(bytes.size(), "byte", "bytes") + ", " +
                        (problem.empty() ? count_of(count_records(bytes), "record", "records")
                                         : "damaged: " + problem));
        for (std::size_t at = 0; at < bytes.size(); at += 16)
            lines.push_back(hex_line(bytes, at));
    }
    std::error_code ec;
    for (const std::string& aside : file_.kept_aside())
        lines.push_back("kept aside: " + aside + ", " +
                        count_of(fs::file_size(folder() / aside, ec), "byte", "bytes"));
    return lines;
}

} // namespace host
