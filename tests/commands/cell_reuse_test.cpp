// Rebuilds keep the table's cells: a cell whose text is unchanged stays, so a
// rebuild's allocator calls follow the texts that changed, not the playlists.
// A creation or removal keeps the cells on both sides of it, and runs out of
// memory as safely as any rebuild.
#include "config/variables.h"
#include "tests/support/command_fixture.h"
#include "tests/support/counting_heap.h"

#include <string>
#include <vector>

using namespace testing_support;

namespace {

class cell_reuse_test : public command_test {
protected:
    cell_reuse_test() {
        relayvo::show_numbers.value = 1;
        relayvo::add_total.value = 1;
    }

    // Playlists "Playlist 0", "Playlist 1", ..., counted by the roster, announced in one rebuild.
    void start(std::uint32_t count) {
        for (std::uint32_t i = 0; i < count; ++i)
            host.add_playlist(playlist_name(i)).roster_count = static_cast<std::int32_t>(i % 7);
        host.active = -1; // every count comes from the roster
        take_playlists();
    }
    static std::string playlist_name(std::uint32_t n) { return "Playlist " + std::to_string(n); }
    // A playlist the roster counts 5, created at `index`.
    void create(std::uint32_t index, const std::string& name) {
        command_test::create(index, name, 5);
    }

    // The text of every label and path as it stands: where each cell keeps its text.
    struct texts {
        std::vector<const char*> labels;
        std::vector<const char*> paths;
    };
    texts where() const {
        texts t;
        for (std::uint32_t i = 0; i < table.label_count(); ++i)
            t.labels.push_back(table.label(i));
        for (std::uint32_t i = 0; i < table.path_count(); ++i)
            t.paths.push_back(table.path(i));
        return t;
    }

    // The label of the host's playlist `i` as it stands: its number where
    // add_index is on, zero-padded to the digits of the playlist count.
    std::string label_of(std::uint32_t i) const {
        const fake_playlist& p = host.playlists[i];
        std::string label = p.name + " (" + std::to_string(*p.roster_count) + ")";
        if (!relayvo::add_index.on()) return label;
        std::string number = std::to_string(i + 1);
        number.insert(0, std::to_string(host.playlists.size()).size() - number.size(), '0');
        return number + ". " + label;
    }

    // Every label and path read as the host's playlists give them now.
    void expect_table_of_the_host() {
        ASSERT_EQ(table.label_count(), host.playlists.size());
        ASSERT_EQ(table.path_count(), host.playlists.size());
        for (std::uint32_t i = 0; i < host.playlists.size(); ++i) {
            EXPECT_EQ(table.label(i), label_of(i));
            EXPECT_EQ(table.path(i), "Relayvo/" + host.playlists[i].name);
        }
    }
};

// What any rebuild allocates and releases for itself: the name fetched from
// the host and the text being formed, one block each.
constexpr std::size_t working_texts = 4;
// A rebuild that changes the count holds each list's old cells aside in a
// block of its own: one allocation and one release per list.
constexpr std::size_t cells_held_aside = 4;

TEST_F(cell_reuse_test, rebuild_that_changes_no_text_makes_no_call_per_playlist) {
    relayvo::add_index.value = 1;
    for (std::uint32_t playlists : {10u, 1000u}) {
        SCOPED_TRACE(std::to_string(playlists) + " playlists");
        host.playlists.clear();
        start(playlists);
        texts before = where();
        counting_heap heap;
        table.rebuild_entries();
        EXPECT_EQ(heap.total(), working_texts);
        texts after = where();
        EXPECT_EQ(after.labels, before.labels);
        EXPECT_EQ(after.paths, before.paths);
    }
}

// With numbers shown, the labels after the change keep their cells and
// texts too: only their digits are written again, in place.
TEST_F(cell_reuse_test, creation_in_the_middle_makes_only_the_new_playlists_cells) {
    for (auto [playlists, numbers] : {std::pair{10u, 0}, {1000u, 0}, {10u, 1}, {1000u, 1}}) {
        SCOPED_TRACE(std::to_string(playlists) + " playlists, add_index " +
                     std::to_string(numbers));
        relayvo::add_index.value = numbers;
        host.playlists.clear();
        start(playlists);
        texts before = where();
        std::uint32_t middle = playlists / 2;
        counting_heap heap;
        create(middle, "New");
        constexpr std::size_t new_label_and_path = 4; // a cell and its text each
        EXPECT_EQ(heap.allocations + heap.reallocations + heap.releases,
                  working_texts + cells_held_aside + new_label_and_path);
        EXPECT_EQ(heap.releases, (working_texts + cells_held_aside) / 2);
        texts after = where();
        for (std::uint32_t i = 0; i < playlists; ++i) {
            std::uint32_t now = i < middle ? i : i + 1;
            EXPECT_EQ(after.labels[now], before.labels[i]) << i;
            EXPECT_EQ(after.paths[now], before.paths[i]) << i;
        }
        expect_table_of_the_host();
    }
}

// From 11 or 1001 playlists, so that the numbers keep their width.
TEST_F(cell_reuse_test, removal_in_the_middle_frees_only_the_removed_playlists_cells) {
    for (auto [playlists, numbers] : {std::pair{10u, 0}, {1000u, 0}, {11u, 1}, {1001u, 1}}) {
        SCOPED_TRACE(std::to_string(playlists) + " playlists, add_index " +
                     std::to_string(numbers));
        relayvo::add_index.value = numbers;
        host.playlists.clear();
        start(playlists);
        texts before = where();
        std::uint32_t middle = playlists / 2;
        counting_heap heap;
        remove(middle);
        constexpr std::size_t removed_label_and_path = 4; // a cell and its text each
        EXPECT_EQ(heap.total(), working_texts + cells_held_aside + removed_label_and_path);
        EXPECT_EQ(heap.allocations, (working_texts + cells_held_aside) / 2);
        EXPECT_EQ(heap.reallocations, 0u);
        texts after = where();
        for (std::uint32_t i = 0; i + 1 < playlists; ++i) {
            std::uint32_t was = i < middle ? i : i + 1;
            EXPECT_EQ(after.labels[i], before.labels[was]) << i;
            EXPECT_EQ(after.paths[i], before.paths[was]) << i;
        }
        expect_table_of_the_host();
    }
}

TEST_F(cell_reuse_test, announcement_at_start_up_makes_only_its_own_cells) {
    relayvo::add_index.value = 1;
    start(0);
    for (std::uint32_t i = 0; i < 98; ++i)
        create(i, playlist_name(i));
    texts before = where();
    counting_heap heap;
    create(98, "Last");
    constexpr std::size_t new_label_and_path = 4;
    EXPECT_EQ(heap.total(), working_texts + cells_held_aside + new_label_and_path);
    texts after = where();
    after.labels.pop_back();
    after.paths.pop_back();
    EXPECT_EQ(after.labels, before.labels);
    EXPECT_EQ(after.paths, before.paths);
    EXPECT_STREQ(table.label(98), "99. Last (5)");
    EXPECT_STREQ(table.label(9), "10. Playlist 9 (5)");
}

TEST_F(cell_reuse_test, reorder_rewrites_only_the_moved_texts) {
    start(10);
    texts before = where();
    std::swap(host.playlists[3], host.playlists[4]);
    counting_heap heap;
    watcher.on_playlist_list_changed(3, 2);
    EXPECT_EQ(heap.total(), working_texts + 4); // two labels and two paths rewritten in their cells
    EXPECT_EQ(heap.reallocations, 4u);
    texts after = where();
    for (std::uint32_t i : {0u, 1u, 2u, 5u, 6u, 7u, 8u, 9u}) {
        EXPECT_EQ(after.labels[i], before.labels[i]) << i;
        EXPECT_EQ(after.paths[i], before.paths[i]) << i;
    }
    expect_table_of_the_host();
}

struct change_case {
    const char* what;
    std::vector<std::string> names;
    bool creation;
    std::uint32_t index;
    int recount; // a playlist whose count changed unannounced, or -1
};

TEST_F(cell_reuse_test, count_change_gives_every_position_its_own_playlists_texts) {
    const change_case cases[] = {
        {"creation first", {"A", "B", "C"}, true, 0, -1},
        {"creation last", {"A", "B", "C"}, true, 3, -1},
        {"creation among equal names", {"A", "A", "A"}, true, 1, -1},
        {"creation after a recount", {"A", "B", "C", "D"}, true, 3, 1},
        {"creation before a recount", {"A", "B", "C", "D"}, true, 1, 2},
        {"creation into none", {}, true, 0, -1},
        {"removal first", {"A", "B", "C"}, false, 0, -1},
        {"removal last", {"A", "B", "C"}, false, 2, -1},
        {"removal among equal names", {"A", "A", "A"}, false, 1, -1},
        {"removal after a recount", {"A", "B", "C", "D"}, false, 2, 0},
        {"removal before a recount", {"A", "B", "C", "D"}, false, 1, 3},
        {"removal of the only one", {"A"}, false, 0, -1},
        {"creation that widens the numbers",
         {"A", "B", "C", "D", "E", "F", "G", "H", "I"},
         true,
         4,
         -1},
        {"removal that narrows the numbers",
         {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"},
         false,
         4,
         -1},
    };
    for (int numbers : {0, 1})
        for (const change_case& c : cases) {
            SCOPED_TRACE(std::string(c.what) + ", add_index " + std::to_string(numbers));
            relayvo::add_index.value = numbers;
            host.playlists.clear();
            for (const std::string& name : c.names)
                host.add_playlist(name).roster_count = 1;
            host.active = -1;
            take_playlists();
            if (c.recount >= 0)
                host.playlists[static_cast<std::size_t>(c.recount)].roster_count = 9;
            if (c.creation)
                create(c.index, "A");
            else
                remove(c.index);
            expect_table_of_the_host();
        }
}

TEST_F(cell_reuse_test, count_change_out_of_memory_leaves_each_position_its_own_text_or_none) {
    for (bool creation : {true, false}) {
        auto six_playlists = [&] {
            host.playlists.clear();
            start(6);
        };
        auto change = [&] {
            if (creation)
                create(3, "New");
            else
                remove(3);
        };
        std::size_t calls = 0;
        six_playlists();
        {
            counting_heap heap;
            change();
            calls = heap.allocations + heap.reallocations;
        }
        ASSERT_GE(calls, 4u); // the working texts and both lists held aside, at least
        for (std::size_t n = 1; n <= calls; ++n) {
            SCOPED_TRACE(std::string(creation ? "creation" : "removal") + ", allocator call " +
                         std::to_string(n));
            six_playlists();
            {
                counting_heap heap;
                heap.fail_call(n);
                change();
            }
            for (std::uint32_t labels = table.label_count(), i = 0; i < labels; ++i) {
                const fake_playlist& p = host.playlists[i];
                std::string label = table.label(i);
                EXPECT_TRUE(label.empty() ||
                            label == p.name + " (" + std::to_string(*p.roster_count) + ")")
                    << i << ": " << label;
            }
            for (std::uint32_t paths = table.path_count(), i = 0; i < paths; ++i) {
                std::string path = table.path(i);
                EXPECT_TRUE(path.empty() || path == "Relayvo/" + host.playlists[i].name)
                    << i << ": " << path;
            }
            EXPECT_TRUE(table.label_count() == 0 || table.label_count() == host.playlists.size());
            EXPECT_TRUE(table.path_count() == 0 || table.path_count() == host.playlists.size());
            // With memory back, the next rebuild mends the table.
            table.rebuild_entries();
            expect_table_of_the_host();
        }
    }
}

} // namespace
