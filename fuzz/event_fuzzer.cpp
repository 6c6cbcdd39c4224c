// Event sequences against a model. The bytes drive a fake host through
// playlist creations, removals, renames and reorders, track changes the
// component is not told of, activations, selections, settings loaded or
// changed on the preferences page, failing activations and item counts, menu
// passes and commands from the playlist view or from no caller. After every step the
// component's labels and command paths and the host's playlists must equal
// what the model says; so a command can neither drop nor duplicate a track.
#include "settings/control_ids.h"
#include "tests/support/config_bytes.h"
#include "tests/support/event_model.h"
#include "tests/support/hosted_component.h"
#include "utf8api/headless.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

using testing_support::event_model;
using testing_support::fake_playlist;
using testing_support::flag;

// More playlists add nothing the first few do not show, and cost time.
constexpr std::size_t max_playlists = 12;
constexpr int max_steps = 64;

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "event_fuzzer: %s\n", what.c_str());
    std::abort();
}

struct session {
    testing_support::fake_host host;
    testing_support::hosted_component component{RELAYVO_LIBRARY, host};
    HWND page = nullptr;
    std::uintptr_t next_track = 1;

    session() {
        if (!component.error().empty()) fail(component.error());
        host.add_source(quorvel::menu_main, {quorvel::remove_selection_command});
    }
    ~session() { close_page(); }

    void close_page() {
        if (page) DestroyWindow(page);
        page = nullptr;
    }

    // Back to no playlists, default settings, a closed page and a host that activates.
    void reset() {
        close_page();
        config_support::blob_builder defaults;
        defaults.record("cust_group_name", "Relayvo");
        for (std::size_t f = 0; f < testing_support::flag_count; ++f)
            defaults.int_record(testing_support::key_of(static_cast<flag>(f)), 0);
        component.client().load_configuration(defaults.data.data(),
                                              static_cast<std::uint32_t>(defaults.data.size()));
        host.active = -1;
        while (!host.playlists.empty()) {
            host.playlists.pop_back();
            component.watcher().on_playlist_removed(
                static_cast<std::uint32_t>(host.playlists.size()));
        }
        component.watcher().on_playlist_list_changed(0, 0);
        host.selection.clear();
        host.fail_activate = false;
        next_track = 1;
    }
};

session& the_session() {
    static session s;
    return s;
}

std::string name_from(FuzzedDataProvider& input) {
    std::string name = input.ConsumeRandomLengthString(12);
    name.resize(std::strlen(name.c_str()));
    return name;
}

std::string shown(const std::vector<void*>& items) {
    std::string text;
    for (void* t : items)
        text += " " + std::to_string(reinterpret_cast<std::uintptr_t>(t));
    return text;
}

// One track handle list, so that the display operations show their texts.
testing_support::handle_vector one_track() {
    return testing_support::handle_vector({testing_support::track(1)});
}

void compare(session& s, const event_model& model, const char* step) {
    auto differ = [&](const std::string& what, const std::string& is, const std::string& should) {
        fail(std::string("after ") + step + ", " + what + " is \"" + is + "\", the model says \"" +
             should + "\"");
    };
    if (s.host.playlists.size() != model.lists.size())
        differ("the number of playlists", std::to_string(s.host.playlists.size()),
               std::to_string(model.lists.size()));
    for (std::size_t i = 0; i < model.lists.size(); ++i) {
        if (s.host.playlists[i].name != model.lists[i].name)
            differ("the name of playlist " + std::to_string(i), s.host.playlists[i].name,
                   model.lists[i].name);
        if (s.host.playlists[i].items != model.lists[i].items)
            differ("the tracks of playlist " + std::to_string(i), shown(s.host.playlists[i].items),
                   shown(model.lists[i].items));
    }
    if (s.host.active != model.active)
        differ("the active playlist", std::to_string(s.host.active), std::to_string(model.active));

    quorvel::command_source& by_index = s.component.index_commands();
    if (by_index.command_count() != model.labels.size())
        differ("the number of labels", std::to_string(by_index.command_count()),
               std::to_string(model.labels.size()));
    auto handles = one_track();
    for (std::uint32_t i = 0; i < model.labels.size(); ++i) {
        testing_support::string_buffer out;
        std::uint32_t flags = 0;
        if (!by_index.display_text(i, handles, out, flags))
            differ("label " + std::to_string(i), "(hidden)", model.labels[i]);
        if (out.text != model.labels[i])
            differ("label " + std::to_string(i), out.text, model.labels[i]);
    }
    quorvel::command_source& by_name = s.component.name_commands();
    if (by_name.command_count() != model.paths.size())
        differ("the number of command paths", std::to_string(by_name.command_count()),
               std::to_string(model.paths.size()));
    for (std::uint32_t i = 0; i < model.paths.size(); ++i) {
        testing_support::string_buffer out;
        by_name.command_path(i, out);
        if (out.text != model.paths[i])
            differ("command path " + std::to_string(i), out.text, model.paths[i]);
    }
}

// A menu pass as the host makes one: each by-index command's state, name and
// display text for the selected tracks, one index past the end included.
void menu_pass(session& s, const event_model& model, bool from_view) {
    quorvel::command_source& by_index = s.component.index_commands();
    testing_support::handle_vector handles(s.host.selection);
    const quorvel::guid& caller = from_view ? quorvel::caller_playlist_view : quorvel::caller_none;
    std::uint32_t state = model.flags[static_cast<std::size_t>(flag::force_on)]
                              ? quorvel::state_forced_on
                              : quorvel::state_on;
    for (std::uint32_t i = 0; i <= model.labels.size(); ++i) {
        if (by_index.default_state(i) != state) fail("a by-index command has the wrong state");
        if (s.component.name_commands().default_state(i) != quorvel::state_off)
            fail("a by-name command is on by default");
        testing_support::string_buffer name;
        by_index.command_path(i, name);
        char number[16];
        std::snprintf(number, sizeof number, "%04u", i);
        if (name.text != model.command_group() + "/Playlist " + number)
            fail("by-index command " + std::to_string(i) + " is named \"" + name.text + "\"");
        testing_support::string_buffer out;
        std::uint32_t flags = 0;
        bool visible = by_index.display_text_for(i, handles, out, flags, caller);
        bool expected = !handles.items.empty() && i < model.labels.size() &&
                        !(from_view && static_cast<std::int32_t>(i) == model.active);
        if (visible != expected)
            fail("by-index command " + std::to_string(i) + (visible ? " is shown" : " is hidden"));
        if (visible && out.text != model.labels[i])
            fail("by-index command " + std::to_string(i) + " shows \"" + out.text + "\"");
    }
}

// Runs one step drawn from `input` on the host, the component and the model;
// returns its name.
const char* step(session& s, event_model& model, FuzzedDataProvider& input) {
    auto& host = s.host;
    auto& watcher = s.component.watcher();
    std::size_t count = host.playlists.size();
    auto position = [&](std::size_t n) {
        return input.ConsumeIntegralInRange<std::size_t>(0, n - 1);
    };
    auto any_flag = [&] {
        return static_cast<flag>(
            input.ConsumeIntegralInRange<std::size_t>(0, testing_support::flag_count - 1));
    };
    switch (input.ConsumeIntegralInRange(0, 17)) {
    case 0: {
        if (count >= max_playlists) return "create (full)";
        std::size_t at = position(count + 1);
        fake_playlist list{name_from(input), {}, {}};
        for (auto n = input.ConsumeIntegralInRange(0, 3); n > 0; --n)
            list.items.push_back(testing_support::track(s.next_track++));
        testing_support::playlist_set{host.playlists, host.active}.insert(at, list);
        watcher.on_playlist_created(static_cast<std::uint32_t>(at), list.name.c_str(),
                                    static_cast<std::uint32_t>(list.name.size()));
        model.created(at, list);
        return "create";
    }
    case 1: {
        if (count == 0) return "remove (none)";
        std::size_t at = position(count);
        testing_support::playlist_set{host.playlists, host.active}.erase(at);
        watcher.on_playlist_removed(static_cast<std::uint32_t>(at));
        model.removed(at);
        return "remove";
    }
    case 2: {
        if (count == 0) return "rename (none)";
        std::size_t at = position(count);
        std::string name = name_from(input);
        host.playlists[at].name = name;
        watcher.on_playlist_renamed(static_cast<std::uint32_t>(at), name.c_str());
        model.renamed(at, name);
        return "rename";
    }
    case 3: {
        if (count == 0) return "reorder (none)";
        std::size_t from = position(count), to = position(count);
        testing_support::playlist_set{host.playlists, host.active}.move(from, to);
        watcher.on_playlist_list_changed(0, 0);
        model.reordered(from, to);
        return "reorder";
    }
    case 4: {
        if (count == 0) return "add tracks (none)";
        std::size_t at = position(count);
        for (auto n = input.ConsumeIntegralInRange(1, 4); n > 0; --n) {
            void* t = testing_support::track(s.next_track++);
            host.playlists[at].items.push_back(t);
            model.lists[at].items.push_back(t);
        }
        return "add tracks";
    }
    case 5: {
        if (count == 0) return "drop tracks (none)";
        std::size_t at = position(count);
        auto n = std::min(host.playlists[at].items.size(),
                          input.ConsumeIntegralInRange<std::size_t>(1, 4));
        host.playlists[at].items.resize(host.playlists[at].items.size() - n);
        model.lists[at].items.resize(model.lists[at].items.size() - n);
        host.selection.clear();
        model.selection.clear();
        return "drop tracks";
    }
    case 17: {
        if (count == 0) return "roster count (none)";
        std::size_t at = position(count);
        std::optional<std::int32_t> reported;
        if (input.ConsumeBool()) reported = -1;
        host.playlists[at].roster_count = model.lists[at].roster_count = reported;
        return "roster count";
    }
    case 6: {
        if (count == 0) return "activate (none)";
        host.active = model.active = static_cast<std::int32_t>(position(count));
        return "activate";
    }
    case 7: {
        if (host.active < 0) return "select (none)";
        auto mask = input.ConsumeIntegral<std::uint16_t>();
        host.selection.clear();
        const std::vector<void*>& items = host.active_list().items;
        for (std::size_t i = 0; i < items.size(); ++i)
            if (mask >> (i % 16) & 1) host.selection.push_back(items[i]);
        model.selection = host.selection;
        return "select";
    }
    case 8:
        host.fail_activate = model.fail_activate = input.ConsumeBool();
        return "activation failures";
    case 9: {
        flag f = any_flag();
        auto value = input.ConsumeIntegral<std::int32_t>();
        auto blob =
            config_support::blob_builder().int_record(testing_support::key_of(f), value).data;
        s.component.client().load_configuration(blob.data(),
                                                static_cast<std::uint32_t>(blob.size()));
        model.loaded(f, value);
        return "load a flag";
    }
    case 10: {
        std::string name = name_from(input);
        auto blob = config_support::blob_builder().record("cust_group_name", name).data;
        s.component.client().load_configuration(blob.data(),
                                                static_cast<std::uint32_t>(blob.size()));
        model.loaded_group_name(name);
        return "load the group name";
    }
    case 11:
        if (s.page) return "open the page (open)";
        s.page = s.component.page().create_window(nullptr);
        if (!s.page) fail("the page does not open");
        model.page_opened();
        return "open the page";
    case 12:
        if (!s.page) return "close the page (closed)";
        s.close_page();
        model.page_closed();
        return "close the page";
    case 13: {
        flag f = any_flag();
        if (!s.page) return "click (closed)";
        uHeadlessClick(GetDlgItem(s.page, testing_support::control_of(f)));
        model.clicked(f);
        return "click";
    }
    case 14: {
        std::string text = name_from(input);
        if (!s.page) return "type (closed)";
        uHeadlessType(GetDlgItem(s.page, IDC_GROUP_NAME), text.c_str());
        model.typed(text);
        return "type";
    }
    case 15:
        menu_pass(s, model, input.ConsumeBool());
        return "menu pass";
    default: {
        bool by_name = input.ConsumeBool(), from_view = input.ConsumeBool();
        auto index =
            input.ConsumeIntegralInRange<std::uint32_t>(0, static_cast<std::uint32_t>(count));
        quorvel::command_source& source =
            by_name ? s.component.name_commands() : s.component.index_commands();
        testing_support::handle_vector handles(host.selection);
        source.execute_for(index, handles,
                           from_view ? quorvel::caller_playlist_view : quorvel::caller_none);
        model.sent(by_name, index, from_view);
        return "command";
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    session& s = the_session();
    s.reset();
    event_model model;
    FuzzedDataProvider input(data, size);
    for (int n = 0; n < max_steps && input.remaining_bytes() > 0; ++n) {
        std::int32_t host_active = s.host.active, model_active = model.active;
        const char* name = step(s, model, input);
        // A selection belongs to the playlist it was made in.
        if (s.host.active != host_active) s.host.selection.clear();
        if (model.active != model_active) model.selection.clear();
        compare(s, model, name);
    }
    return 0;
}
