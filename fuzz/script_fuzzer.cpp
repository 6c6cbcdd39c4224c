// The stand-in host's command language on arbitrary lines, run against the
// host with the component loaded: every line either runs or fails with an
// error of its own verb. Any other exception escapes the fuzzer as a
// finding, where the prompt would only report it. The verbs that unload the
// component (load, restart, fresh, quit) are left out: libFuzzer keeps reading the
// coverage counters of a library after it is unloaded, and loading another
// library runs whatever code its file holds.
#include "fuzz/scratch_folder.h"
#include "host/app.h"
#include "host/shell/language.h"
#include "host/shell/verbs.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::ostream& nowhere() {
    static std::ostream stream(nullptr);
    return stream;
}

const std::filesystem::path& profile() {
    return fuzzing::scratch_folder("script_fuzzer");
}

// Removes what earlier runs saved.
void empty_profile() {
    for (const auto& file : std::filesystem::directory_iterator(profile()))
        std::filesystem::remove_all(file.path());
}

// The host with the component loaded, and the settings it started with.
struct scripted_host {
    host::host_app app{RELAYVO_LIBRARY, profile(), nowhere()};
    std::vector<std::uint8_t> defaults;

    scripted_host() {
        if (std::string error = app.load(RELAYVO_LIBRARY); !error.empty()) {
            std::fprintf(stderr, "script_fuzzer: %s\n", error.c_str());
            std::abort();
        }
        defaults = app.session.save_settings();
    }
};

scripted_host& the_host() {
    static auto* instance = new scripted_host;
    return *instance;
}

// Runs `line` as the shell does, but lets through what is no verb error.
void run(host::host_app& a, const std::string& line) {
    if (host::is_comment(line)) return;
    try {
        host::input_line words(line);
        if (words.empty()) return;
        for (const char* unloading : {"load", "restart", "fresh", "quit"})
            if (words.verb() == unloading) return;
        for (const host::verb& v : host::all_verbs()) {
            if (words.verb() != v.name) continue;
            host::verb_context context{a};
            v.run(context, words);
            return;
        }
    } catch (const host::verb_error&) {
    }
}

// Back to how the first run found the host, so that each run is reproducible
// alone and frees what it allocated: one empty playlist, no page, no saved files,
// and the component's settings as loaded with no store.
void reset(scripted_host& h) {
    host::host_app& a = h.app;
    if (a.page) a.session.close(a.page);
    a.page = nullptr;
    while (a.model.count() > 0)
        a.remove_playlist(0);
    a.model = host::playlist_model();
    empty_profile();
    a.session.load_settings(h.defaults);
    for (std::size_t i = 0; i < a.model.count(); ++i)
        a.session.playlist_created(static_cast<std::uint32_t>(i), a.model.at(i).name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    scripted_host& h = the_host();
    std::istringstream input(std::string(reinterpret_cast<const char*>(data), size));
    std::string line;
    while (std::getline(input, line))
        run(h.app, line);
    reset(h);
    return 0;
}
