#include "store/store.h"

#include "plural.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace host {

namespace fs = std::filesystem;

namespace {

constexpr const char* aside_suffix = ".damaged";

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

std::vector<std::uint8_t> read_file(const fs::path& path, bool& ok) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    ok = in.good() || in.eof();
    return bytes;
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

std::string store::make_folder() const {
    std::error_code ec;
    if (fs::is_directory(folder_, ec)) return {};
    if (fs::exists(folder_, ec))
        return "the profile folder " + folder_.string() + " is not a folder";
    fs::create_directories(folder_, ec);
    if (ec) return "cannot make the profile folder " + folder_.string() + ": " + ec.message();
    return {};
}

store::reading store::read() {
    reading r;
    std::error_code ec;
    if (!fs::is_directory(folder_, ec)) {
        r.report = "store: no profile folder to read; the component starts with its defaults";
        return r;
    }
    if (!fs::exists(file(), ec)) {
        r.report = "store: no " + file_name_ + " yet; the component starts with its defaults";
        return r;
    }
    bool ok = fs::is_regular_file(file(), ec);
    std::vector<std::uint8_t> bytes;
    if (ok) bytes = read_file(file(), ok);
    if (!ok) {
        r.report = "store: cannot read " + file_name_ + "; the component starts with its defaults";
        return r;
    }
    std::string problem = check_records(bytes);
    if (problem.empty()) {
        r.report = "store: " + file_name_ + " read, " + count_of(bytes.size(), "byte", "bytes") +
                   " in " + count_of(count_records(bytes), "record", "records");
    } else {
        fs::path aside = free_aside_path();
        fs::rename(file(), aside, ec);
        r.report =
            "store: " + file_name_ + " is damaged (" + problem + "); " +
            (ec ? "it could not be moved aside" : "kept aside as " + aside.filename().string()) +
            "; the component takes what it can read";
    }
    r.bytes = std::move(bytes);
    return r;
}

std::string store::save(const std::vector<std::uint8_t>& blob) {
    if (std::string problem = make_folder(); !problem.empty()) return problem;
    std::error_code ec;
    fs::path temporary = folder_ / (file_name_ + ".new");
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(blob.data()),
                  static_cast<std::streamsize>(blob.size()));
        out.close();
        if (!out) {
            fs::remove(temporary, ec);
            return "cannot write " + temporary.filename().string();
        }
    }
    fs::rename(temporary, file(), ec);
    if (ec) {
        fs::remove(temporary, ec);
        return "cannot replace " + file_name_ + ": " + ec.message();
    }
    return {};
}

std::vector<std::string> store::listing() const {
    std::vector<std::string> lines;
    std::error_code ec;
    if (!fs::exists(file(), ec)) {
        lines.push_back(file_name_ + ": not saved yet");
    } else {
        bool ok = false;
        std::vector<std::uint8_t> bytes = read_file(file(), ok);
        std::string problem = check_records(bytes);
        lines.push_back(file_name_ + ": " + count_of(bytes.size(), "byte", "bytes") + ", " +
                        (problem.empty() ? count_of(count_records(bytes), "record", "records")
                                         : "damaged: " + problem));
        for (std::size_t at = 0; at < bytes.size(); at += 16)
            lines.push_back(hex_line(bytes, at));
    }
    for (int n = 1;; ++n) {
        std::string name = aside_name(n);
        if (!fs::exists(folder_ / name, ec)) break;
        lines.push_back("kept aside: " + name + ", " +
                        count_of(fs::file_size(folder_ / name, ec), "byte", "bytes"));
    }
    return lines;
}

std::string store::aside_name(int n) const {
    return file_name_ + aside_suffix + (n > 1 ? "." + std::to_string(n) : "");
}

fs::path store::free_aside_path() const {
    std::error_code ec;
    for (int n = 1;; ++n) {
        fs::path candidate = folder_ / aside_name(n);
        if (!fs::exists(candidate, ec)) return candidate;
    }
}

} // namespace host
