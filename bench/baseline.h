// The plain version the component is measured against: the same host calls,
// with std::string and snprintf doing the text work, and every text made
// afresh at every rebuild.
#pragma once

#include "bench/table.h"
#include "tests/support/host_containers.h"

#include <string>
#include <vector>

namespace bench {

// Rebuilds form labels and, with show_numbers, paths of every playlist; a
// rename forms the label and path of one again; a menu query hands out the
// label.
class plain_table final : public table {
public:
    void rebuild(quorvel::host_api& host, std::uint32_t playlists, const options& o) override;
    void rename(quorvel::host_api& host, std::uint32_t index, const char* name,
                const options& o) override;
    bool display(quorvel::host_api& host, std::uint32_t index, quorvel::handle_list& tracks,
                 quorvel::text_buffer& out, const quorvel::guid& caller) override;
    std::uint32_t command_count() const override {
        return static_cast<std::uint32_t>(labels.size());
    }

    std::vector<std::string> labels;
    std::vector<std::string> paths;

private:
    std::string label(quorvel::host_api& host, std::uint32_t index, const char* name,
                      const options& o);
    std::string path(const char* name, const options& o);

    testing_support::string_buffer name_; // the playlist's name from the host
    int digits_ = 1;                      // of the playlist count
};

} // namespace bench
