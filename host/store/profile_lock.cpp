#include "store/profile_lock.h"

#include <cerrno>
#include <cstring>
#include <string>

#if defined(_WIN32)
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace host {

namespace {

constexpr const char* lock_name = "quorvel-host.lock";

// What the holder wrote in the lock file: its process number, or empty.
std::string holder_of(const std::string& written) {
    std::size_t digits = written.find_first_not_of("0123456789");
    return written.substr(0, digits);
}

std::string in_use_line(const std::filesystem::path& folder, const std::string& written) {
    std::string holder = holder_of(written);
    return "the profile " + folder.string() + " is in use by another quorvel-host" +
           (holder.empty() ? std::string() : " (process " + holder + ")") +
           "; quit that one first, or give another --profile";
}

std::string cannot_lock_line(const std::filesystem::path& file, const std::string& reason) {
    return "cannot lock " + file.string() + ": " + reason +
           "; another host on this profile would not be stopped";
}

} // namespace

#if defined(_WIN32)

namespace {

// The lock covers one byte far past the process number, since Windows keeps
// others from reading a locked range.
constexpr DWORD lock_offset = 1u << 20;

} // namespace

profile_lock::profile_lock(const std::filesystem::path& folder) {
    std::filesystem::path file = folder / lock_name;
    handle_ = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE,
                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                          OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle_ == INVALID_HANDLE_VALUE) {
        problem_ = cannot_lock_line(file, "Windows error " + std::to_string(GetLastError()));
        return;
    }
    OVERLAPPED at{};
    at.Offset = lock_offset;
    if (!LockFileEx(handle_, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
        char written[32] = {};
        DWORD got = 0;
        ReadFile(handle_, written, sizeof written - 1, &got, nullptr);
        in_use_ = true;
        problem_ = in_use_line(folder, std::string(written, got));
        CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return;
    }
    std::string pid = std::to_string(GetCurrentProcessId()) + "\n";
    DWORD put = 0;
    SetEndOfFile(handle_);
    WriteFile(handle_, pid.data(), static_cast<DWORD>(pid.size()), &put, nullptr);
}

profile_lock::~profile_lock() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
}

#else

profile_lock::profile_lock(const std::filesystem::path& folder) {
    std::filesystem::path file = folder / lock_name;
    descriptor_ = open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (descriptor_ < 0) {
        problem_ = cannot_lock_line(file, std::strerror(errno));
        return;
    }
    if (flock(descriptor_, LOCK_EX | LOCK_NB) != 0) {
        int reason = errno;
        char written[32] = {};
        ssize_t got = reason == EWOULDBLOCK ? read(descriptor_, written, sizeof written - 1) : 0;
        in_use_ = reason == EWOULDBLOCK;
        problem_ = in_use_ ? in_use_line(folder, std::string(written, got > 0 ? got : 0))
                           : cannot_lock_line(file, std::strerror(reason));
        close(descriptor_);
        descriptor_ = -1;
        return;
    }
    std::string pid = std::to_string(getpid()) + "\n";
    // The lock holds all the same when its holder's number cannot be written down.
    if (ftruncate(descriptor_, 0) == 0) {
        [[maybe_unused]] ssize_t put = write(descriptor_, pid.data(), pid.size());
    }
}

profile_lock::~profile_lock() {
    if (descriptor_ >= 0) close(descriptor_);
}

#endif

} // namespace host
