// A whole session with the component's heap failing at one call after
// another: the stored configuration is loaded, playlists are announced,
// renamed, shown and sent to, the group name is typed on the page and a box
// clicked, and the configuration is saved on the way. Every saved blob holds
// all eight records, each with the value the session gave it or, where the
// failing call was the copy of a new text, the value it had before.
#include "commands/command_sources.h"
#include "commands/entry_table.h"
#include "commands/playlist_watcher.h"
#include "config/blob.h"
#include "config/variables.h"
#include "frame/host.h"
#include "host/session/component_library.h"
#include "host/session/preferences_frame.h"
#include "settings/control_ids.h"
#include "settings/settings_page.h"
#include "tests/support/component_state.h"
#include "tests/support/config_bytes.h"
#include "tests/support/config_state.h"
#include "tests/support/counting_heap.h"
#include "tests/support/fake_host.h"
#include "utf8api/headless.h"

#include <gtest/gtest.h>

#include <string>

using config_support::blob_builder;
using config_support::bytes;
using config_support::config_values;
using testing_support::counting_heap;
using testing_support::fake_playlist;

namespace {

const config_values stored{1, 0, 1, 1, 1, 1, 1, "Stored group"};

bytes stored_blob() {
    blob_builder blob;
    blob.record("cust_group_name", stored.cust_group_name);
    for (auto [key, value] : {std::pair{"move_files", stored.move_files},
                              {"show_numbers", stored.show_numbers},
                              {"force_on", stored.force_on},
                              {"use_custom_group", stored.use_custom_group},
                              {"add_index", stored.add_index},
                              {"replace", stored.replace},
                              {"add_total", stored.add_total}})
        blob.int_record(key, value);
    return blob.data;
}

// The values in `blob`, which must hold the eight records in list order.
config_values values_in(const bytes& blob) {
    auto records = config_support::split_records(blob);
    EXPECT_TRUE(records);
    std::vector<std::string> keys;
    for (const auto& r : records.value_or(std::vector<config_support::record>{}))
        keys.push_back(r.key);
    EXPECT_EQ(keys,
              (std::vector<std::string>{"cust_group_name", "move_files", "show_numbers", "force_on",
                                        "use_custom_group", "add_index", "replace", "add_total"}));
    if (keys.size() != 8) return {};
    auto flag = [&](std::size_t i) {
        const auto& v = (*records)[i].value;
        EXPECT_EQ(v.size(), 4u) << keys[i];
        return v.size() == 4 ? static_cast<std::int32_t>(v[0] | v[1] << 8 | v[2] << 16 | v[3] << 24)
                             : -1;
    };
    const auto& text = (*records)[0].value;
    return {flag(7), flag(6), flag(5), flag(4),
            flag(3), flag(2), flag(1), std::string(text.begin(), text.end())};
}

bytes save() {
    config_support::recording_sink sink;
    relayvo::write_blob(sink);
    return sink.bytes_written;
}

class session_memory_test : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(library.open(RELAYVO_LIBRARY), "");
        host.add_source(quorvel::menu_main, {quorvel::remove_selection_command});
    }
    void TearDown() override {
        testing_support::disconnect_component();
        config_support::set_values({});
    }

    // What one run saw; `failed_*` tell in which step the failing call fell.
    struct run {
        bytes after_events;
        bytes at_end;
        bool failed_in_load = false;
        bool failed_in_typing = false;
        bool typing_rebuilt = false; // the page stored the text, so rebuilt the table
        bool save_allocated = false;
        std::size_t calls = 0;
    };

    // The session with call `n` of the component's heap failing (0: none).
    run session(std::size_t n) {
        testing_support::connect_component(host);
        relayvo::connect_host(&host, library.module());
        host.playlists.clear();
        host.active = -1;
        for (const char* name : {"Inbox", "Rock", "Jazz"})
            host.add_playlist(name, 3);
        host.selection = {host.playlists[0].items[0], host.playlists[0].items[1]};
        run r;
        counting_heap heap;
        if (n) heap.fail_call(n);
        auto calls = [&] { return heap.allocations + heap.reallocations; };
        // Runs `step` and tells whether the failing call fell in it.
        auto in_step = [&](auto step) {
            std::size_t before = calls();
            step();
            return before < n && n <= calls();
        };

        r.failed_in_load = in_step([] { config_support::load_blob(stored_blob()); });
        relayvo::playlist_watcher watcher(relayvo::entries);
        for (std::uint32_t i = 0; i < 3; ++i)
            watcher.on_playlist_created(i, host.playlists[i].name.c_str(), 0);
        host.playlists[2].name = "Cool Jazz";
        watcher.on_playlist_renamed(2, "Cool Jazz");
        send_and_check();
        std::size_t before_save = calls();
        r.after_events = save();
        r.save_allocated = calls() != before_save;

        HWND page = relayvo::settings_page{}.create_window(frame.window());
        EXPECT_NE(page, nullptr);
        host.take_calls();
        r.failed_in_typing = in_step([&] {
            uHeadlessType(GetDlgItem(page, IDC_GROUP_NAME), "Typed name that is long enough");
        });
        r.typing_rebuilt = testing_support::rebuilds_in(host.take_calls()) > 0;
        uHeadlessClick(GetDlgItem(page, IDC_FORCE_ON));
        DestroyWindow(page);
        before_save = calls();
        r.at_end = save();
        r.save_allocated = r.save_allocated || calls() != before_save;
        r.calls = calls();
        return r;
    }

    // A send from the playlist view: the tracks reach the target or, where
    // the labels could not be had, stay where they were; never elsewhere.
    void send_and_check() {
        std::vector<void*> source = host.playlists[0].items;
        std::vector<void*> target = host.playlists[1].items;
        std::vector<void*> other = host.playlists[2].items;
        testing_support::handle_vector selected(host.selection);
        relayvo::delivery sending(relayvo::replace);
        relayvo::index_commands by_index(relayvo::entries, sending,
                                         testing_support::component_command_settings());
        by_index.execute_for(1, selected, quorvel::caller_playlist_view);
        if (host.playlists[1].items != target) {
            target.insert(target.end(), selected.items.begin(), selected.items.end());
            EXPECT_EQ(host.playlists[1].items, target);
            EXPECT_EQ(host.playlists[0].items.size(), source.size() - 2);
        } else {
            EXPECT_EQ(host.playlists[0].items, source);
        }
        EXPECT_EQ(host.playlists[2].items, other);
    }

    host::component_library library; // the page's template comes from its module
    host::preferences_frame frame;
    testing_support::fake_host host{testing_support::recording::on};
};

TEST_F(session_memory_test, every_save_holds_eight_records_whichever_call_fails) {
    const std::string typed = "Typed name that is long enough";
    run whole = session(0);
    config_values after_events = stored;
    config_values at_end = stored;
    at_end.force_on = 0;
    at_end.cust_group_name = typed;
    EXPECT_EQ(values_in(whole.after_events), after_events);
    EXPECT_EQ(values_in(whole.at_end), at_end);
    ASSERT_GT(whole.calls, 0u);
    ASSERT_TRUE(whole.typing_rebuilt);

    std::size_t load_failures = 0, typing_failures = 0;
    for (std::size_t n = 1; n <= whole.calls; ++n) {
        SCOPED_TRACE("failing allocator call " + std::to_string(n));
        run r = session(n);
        EXPECT_FALSE(r.save_allocated);
        config_values expected_after_events = after_events;
        if (r.failed_in_load) expected_after_events.cust_group_name = "Relayvo";
        config_values expected_at_end = at_end;
        // A text that could not be read whole or copied is not stored, and
        // then nothing is rebuilt; a failure in the rebuild comes after the store.
        if (!r.typing_rebuilt)
            expected_at_end.cust_group_name = expected_after_events.cust_group_name;
        EXPECT_EQ(values_in(r.after_events), expected_after_events);
        EXPECT_EQ(values_in(r.at_end), expected_at_end);
        load_failures += r.failed_in_load;
        typing_failures += r.failed_in_typing && !r.typing_rebuilt;
    }
    // The load copies one text; typing reads the field and copies its text,
    // and a failure in either stores nothing.
    EXPECT_EQ(load_failures, 1u);
    EXPECT_EQ(typing_failures, 2u);
}

} // namespace
