// The plain version the component is measured against: the same host calls,
// with std::string and snprintf doing the text work, and every text made
// afresh at every rebuild.
#pragma once

#include "bench/bench_host.h"
#include "bench/options.h"
#include "quorvel/containers.h"
#include "tests/support/host_containers.h"

#include <string>
#include <vector>

namespace bench {

class plain_table {
public:
    // Labels and, with show_numbers, paths of the first `playlists` playlists.
    void rebuild(testing_support::fake_host& host, std::uint32_t playlists, const options& o);
    // Re-forms the label and path of playlist `index` with `name`.
    void rename(testing_support::fake_host& host, std::uint32_t index, const char* name,
                const options& o);
    // The display step of one by-index command, after the handle list's count.
    bool display(testing_support::fake_host& host, std::uint32_t index,
                 quorvel::handle_list& tracks, quorvel::text_buffer& out,
                 const quorvel::guid& caller);
    std::uint32_t command_count() const { return static_cast<std::uint32_t>(labels.size()); }

    std::vector<std::string> labels;
    std::vector<std::string> paths;

private:
    std::string label(testing_support::fake_host& host, std::uint32_t index, const char* name,
                      const options& o);
    std::string path(const char* name, const options& o);

    testing_support::string_buffer name_; // the playlist's name from the host
    int digits_ = 1;                      // of the playlist count
};

} // namespace bench
