// The plain version the component is measured against: the same host calls,
// with std::string and snprintf doing the text work.
#pragma once

#include "frame/client.h"
#include "frame/containers.h"

#include <string>
#include <vector>

namespace bench {

struct baseline_table {
    std::vector<std::string> labels;
    std::vector<std::string> paths;
};

// Rebuilds labels and paths with every option on.
void baseline_rebuild(quorvel::host_api& host, std::uint32_t playlists, const std::string& group,
                      baseline_table& table);
// The display step of one by-index command for the playlist view.
bool baseline_display(quorvel::host_api& host, const baseline_table& table, std::uint32_t index,
                      quorvel::text_buffer& out);

} // namespace bench
