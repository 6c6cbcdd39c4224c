// One host per profile: a lock on the file quorvel-host.lock in the profile
// folder, held for the whole run, so that two hosts never save over each
// other's playlists and settings. The system releases it when the process
// ends, however it ends. The file holds the number of the process holding
// it, for a host that finds the profile in use to name it.
#pragma once

#include <filesystem>
#include <string>

namespace host {

class profile_lock {
public:
    // Takes the lock of the profile `folder`, which exists, without waiting.
    explicit profile_lock(const std::filesystem::path& folder);
    ~profile_lock();
    profile_lock(const profile_lock&) = delete;
    profile_lock& operator=(const profile_lock&) = delete;

    // Whether another process holds the profile.
    bool in_use() const { return in_use_; }
    // One line for the user when the lock is not held: that the profile is
    // in use and by which process, or why it cannot be locked. Empty while
    // it is held.
    const std::string& problem() const { return problem_; }

private:
#if defined(_WIN32)
    void* handle_;
#else
    int descriptor_ = -1;
#endif
    bool in_use_ = false;
    std::string problem_;
};

} // namespace host
