// A folder of the fuzzer's own for the files its runs write: in memory where
// the system offers a memory file system, removed when the process exits.
#pragma once

#include <filesystem>
#include <string>
#include <unistd.h>

namespace fuzzing {

inline const std::filesystem::path& scratch_folder(const char* name) {
    namespace fs = std::filesystem;
    static const struct folder {
        fs::path path;
        explicit folder(const char* name) {
            fs::path base = fs::is_directory("/dev/shm") ? "/dev/shm" : fs::temp_directory_path();
            path = base / (std::string(name) + "." + std::to_string(getpid()));
            fs::create_directories(path);
        }
        ~folder() {
            std::error_code ec;
            fs::remove_all(path, ec);
        }
    } instance(name);
    return instance.path;
}

} // namespace fuzzing
