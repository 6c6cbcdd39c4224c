// What the plain version and the floor have in common: a table of their own,
// which the benchmarks drive as the host drives the component.
#pragma once

#include "bench/options.h"
#include "quorvel/client.h"
#include "quorvel/playlists.h"
#include "quorvel/containers.h"

#include <cstdint>

namespace bench {

class table {
public:
    // Rebuilds from the host's first `playlists` playlists under `o`.
    virtual void rebuild(quorvel::host_api& host, std::uint32_t playlists, const options& o) = 0;
    // Takes the host's word that playlist `index` is now called `name`.
    virtual void rename(quorvel::host_api& host, std::uint32_t index, const char* name,
                        const options& o) = 0;
    // The display text of by-index command `index`, as the host asks for it.
    virtual bool display(quorvel::host_api& host, std::uint32_t index, quorvel::handle_list& tracks,
                         quorvel::text_buffer& out, const quorvel::guid& caller) = 0;
    // The by-index commands offered.
    virtual std::uint32_t command_count() const = 0;

protected:
    ~table() = default;
};

} // namespace bench
