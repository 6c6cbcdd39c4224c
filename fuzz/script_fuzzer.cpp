// The stand-in host's command language on arbitrary lines, run against the
// host with the component loaded: every line either runs or fails with an
// error of its own verb. Any other exception escapes the fuzzer as a
// finding, where the prompt would only report it. Loading another library is
// left out: that runs whatever code the file holds.
#include "fuzz/scratch_folder.h"
#include "host/app.h"
#include "host/shell/language.h"
#include "host/shell/verbs.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

std::ostream& nowhere() {
    static std::ostream stream(nullptr);
    return stream;
}

host::host_app& app() {
    static host::host_app* instance = [] {
        auto* a = new host::host_app(RELAYVO_LIBRARY, fuzzing::scratch_folder("script_fuzzer"),
                                     nowhere());
        if (std::string error = a->load(RELAYVO_LIBRARY); !error.empty()) {
            std::fprintf(stderr, "script_fuzzer: %s\n", error.c_str());
            std::abort();
        }
        return a;
    }();
    return *instance;
}

// Runs `line` as the shell does, but lets through what is no verb error.
// Returns false when the line ends the session.
bool run(host::host_app& a, const std::string& line) {
    if (host::is_comment(line)) return true;
    try {
        host::input_line words(line);
        if (words.verb() == "load") return true;
        for (const host::verb& v : host::all_verbs()) {
            if (words.verb() != v.name) continue;
            host::verb_context context{a};
            v.run(context, words);
            return !context.quit;
        }
    } catch (const host::verb_error&) {
    }
    return true;
}

// Back to one empty playlist, with no tracks kept from earlier runs.
void reset(host::host_app& a) {
    while (a.model.count() > 0)
        a.remove_playlist(0);
    a.model = host::playlist_model();
    for (std::size_t i = 0; i < a.model.count(); ++i)
        a.session.playlist_created(static_cast<std::uint32_t>(i), a.model.at(i).name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    host::host_app& a = app();
    std::istringstream input(std::string(reinterpret_cast<const char*>(data), size));
    std::string line;
    while (std::getline(input, line) && run(a, line)) {
    }
    if (!a.session.loaded()) a.load(RELAYVO_LIBRARY);
    reset(a);
    return 0;
}
