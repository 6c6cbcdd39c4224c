#include "store/profile_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#if !defined(_WIN32)
#include <unistd.h>
#endif

namespace host {

namespace fs = std::filesystem;

namespace {

using file_ptr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

std::string system_reason() {
    return std::strerror(errno);
}

// Where a write of `path` lands: the file a chain of symlinks leads to.
fs::path target_of(const fs::path& path) {
    fs::path target = path;
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(target, ec); ++hops) {
        fs::path next = fs::read_symlink(target, ec);
        if (ec) break;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target;
}

bool read_only(const fs::path& target) {
    std::error_code ec;
    fs::file_status status = fs::status(target, ec);
    constexpr fs::perms writable =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return !ec && fs::exists(status) && (status.permissions() & writable) == fs::perms::none;
}

} // namespace

std::string prepare_profile_folder(const fs::path& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        if (fs::exists(folder, ec))
            return "the profile folder " + folder.string() + " is not a folder";
        fs::create_directories(folder, ec);
        if (ec) return "cannot make the profile folder " + folder.string() + ": " + ec.message();
    }
#if !defined(_WIN32)
    if (access(folder.c_str(), W_OK | X_OK) != 0)
        return "cannot write in the profile folder " + folder.string() + ": " + system_reason();
#endif
    return {};
}

void profile_file::rename(std::string name) {
    if (name == name_) return;
    name_ = std::move(name);
    refusal_.clear();
}

profile_file::contents profile_file::peek() const {
    contents c;
    fs::path file = path();
    std::error_code ec;
    if (!fs::exists(file, ec) && !ec) return c;
    c.state = contents::unreadable;
    if (fs::is_directory(file, ec)) {
        c.problem = "cannot read " + file.string() + ": it is a folder";
    } else {
        errno = 0;
        file_ptr in(std::fopen(file.string().c_str(), "rb"), std::fclose);
        if (in) {
            char buffer[4096];
            std::size_t got = 0;
            while ((got = std::fread(buffer, 1, sizeof buffer, in.get())) > 0)
                c.bytes.insert(c.bytes.end(), buffer, buffer + got);
            if (!std::ferror(in.get())) c.state = contents::read;
        }
        if (c.state != contents::read)
            c.problem = "cannot read " + file.string() + ": " + system_reason();
    }
    if (c.state == contents::unreadable) c.bytes.clear();
    return c;
}

profile_file::contents profile_file::read() {
    contents c = peek();
    fs::path file = path();
    if (c.state == contents::unreadable) {
        refuse(file.string() + " could not be read at start, so it is not written over");
    } else if (read_only(target_of(file))) {
        c.note = file.string() + " is read-only, so it is left as it is";
        refuse(c.note);
    }
    return c;
}

std::string profile_file::write(const std::vector<std::uint8_t>& bytes) const {
    if (!refusal_.empty()) return refusal_;
    if (std::string problem = prepare_profile_folder(folder_); !problem.empty()) return problem;
    fs::path target = target_of(path());
    if (read_only(target)) return target.string() + " is read-only, so it is left as it is";
    std::error_code ec;
    if (fs::is_directory(target, ec))
        return "cannot replace " + target.string() + ": it is a folder";
    fs::path temporary = target;
    temporary += ".new";
    {
        errno = 0;
        file_ptr out(std::fopen(temporary.string().c_str(), "wb"), std::fclose);
        bool written = out && std::fwrite(bytes.data(), 1, bytes.size(), out.get()) == bytes.size();
        int closed = out ? std::fclose(out.release()) : EOF;
        if (!written || closed != 0) {
            std::string reason = system_reason();
            fs::remove(temporary, ec);
            return "cannot write " + temporary.string() + ": " + reason;
        }
    }
    // The new file takes the old one's mode, as an edit in place would keep it.
    fs::file_status old = fs::status(target, ec);
    if (!ec && fs::exists(old)) fs::permissions(temporary, old.permissions(), ec);
    fs::rename(temporary, target, ec);
    if (ec) {
        std::string reason = ec.message();
        fs::remove(temporary, ec);
        return "cannot replace " + target.string() + ": " + reason;
    }
    return {};
}

std::string profile_file::copy_beside(const std::string& suffix, std::string& problem) const {
    contents c = peek();
    if (c.state == contents::missing) return {};
    profile_file copy(folder_, name_ + suffix);
    problem = c.state == contents::unreadable ? c.problem : copy.write(c.bytes);
    return problem.empty() ? copy.name() : "";
}

std::string profile_file::aside_name(int n) const {
    return name_ + ".damaged" + (n > 1 ? "." + std::to_string(n) : "");
}

std::string profile_file::keep_aside() {
    std::error_code ec;
    for (int n = 1;; ++n) {
        std::string name = aside_name(n);
        if (fs::exists(folder_ / name, ec)) continue;
        fs::rename(path(), folder_ / name, ec);
        return ec ? "it could not be moved aside: " + ec.message() : "kept aside as " + name;
    }
}

std::vector<std::string> profile_file::kept_aside() const {
    std::vector<std::string> names;
    std::error_code ec;
    for (int n = 1; fs::exists(folder_ / aside_name(n), ec); ++n)
        names.push_back(aside_name(n));
    return names;
}

} // namespace host
