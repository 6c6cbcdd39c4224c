// The profile's store: which blobs count as whole records, how a save
// replaces the file, how a damaged store is kept aside, a store that cannot
// be read and a profile folder that cannot hold the store; and the playlists
// kept beside it.
#include "host/store/playlist_file.h"
#include "host/store/store.h"
#include "tests/support/config_bytes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;
using config_support::blob_builder;
using config_support::bytes;

bytes read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write(const fs::path& path, const bytes& b) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

// A builder holding two whole records.
blob_builder with_two_records() {
    return std::move(blob_builder().int_record("add_index", 1).record("cust_group_name", "Rock"));
}
const bytes two_records = with_two_records().data;
// The two records without their last byte.
const bytes two_records_cut = with_two_records().cut(two_records.size() - 1);
// One record setting `key` to 1.
bytes one_record(const char* key) {
    return blob_builder().int_record(key, 1).data;
}

struct tiling_case {
    const char* what;
    bytes blob;
    const char* problem; // empty: whole records
    std::size_t whole;
};

const tiling_case tiling_cases[] = {
    {"empty", {}, "", 0},
    {"two records", two_records, "", 2},
    {"an empty key and value", blob_builder().record("", "").data, "", 1},
    {"a stray byte", with_two_records().raw(bytes{0}).data, "record 3 at byte 48: 1 stray byte", 2},
    {"four stray bytes", with_two_records().u32(0).data,
     "record 3 at byte 48: no room for the value length", 2},
    {"a key past the end", blob_builder().u32(5).raw("add").data,
     "record 1 at byte 0: key length 5 runs past the end", 0},
    {"no value length", blob_builder().u32(3).raw("add").raw(bytes{4, 0}).data,
     "record 1 at byte 0: no room for the value length", 0},
    {"a value past the end", two_records_cut,
     "record 2 at byte 21: value length 4 runs past the end", 1},
    {"a length of all ones", blob_builder().u32(0xFFFFFFFFu).u32(0).data,
     "record 1 at byte 0: key length 4294967295 runs past the end", 0},
};

class store_test : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::path(::testing::TempDir()) /
                 ("host_store_" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path folder;
};

} // namespace

TEST(store_records_test, tell_whole_records_from_damaged_ones) {
    for (const tiling_case& c : tiling_cases) {
        EXPECT_EQ(host::check_records(c.blob), c.problem) << c.what;
        EXPECT_EQ(host::count_records(c.blob), c.whole) << c.what;
    }
}

TEST_F(store_test, save_replaces_the_file_and_leaves_no_temporary) {
    host::store s(folder / "new" / "profile");
    ASSERT_EQ(s.save(two_records), "");
    ASSERT_EQ(s.save(one_record("replace")), "");
    EXPECT_EQ(read(folder / "new" / "profile" / "relayvo.cfg"), one_record("replace"));
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder / "new" / "profile"))
        ++files;
    EXPECT_EQ(files, 1u);
}

TEST_F(store_test, reading_whole_records_hands_them_over_and_keeps_the_file) {
    write(folder / "relayvo.cfg", two_records);
    host::store s(folder);
    host::store::reading r = s.read();
    ASSERT_TRUE(r.bytes);
    EXPECT_EQ(*r.bytes, two_records);
    EXPECT_EQ(r.report, "store: relayvo.cfg read, 48 bytes in 2 records");
    EXPECT_TRUE(fs::exists(folder / "relayvo.cfg"));
}

TEST_F(store_test, no_store_hands_over_nothing) {
    host::store s(folder);
    host::store::reading r = s.read();
    EXPECT_FALSE(r.bytes);
    EXPECT_EQ(r.report, "store: no relayvo.cfg yet; the component starts with its defaults");
}

TEST_F(store_test, damaged_store_is_kept_aside_under_a_free_name_and_still_handed_over) {
    host::store s(folder);
    write(folder / "relayvo.cfg", two_records_cut);
    host::store::reading first = s.read();
    write(folder / "relayvo.cfg", bytes{1, 2});
    host::store::reading second = s.read();

    ASSERT_TRUE(first.bytes);
    EXPECT_EQ(*first.bytes, two_records_cut);
    EXPECT_EQ(first.report, "store: relayvo.cfg is damaged (record 2 at byte 21: value length 4 "
                            "runs past the end); kept aside as relayvo.cfg.damaged; the component "
                            "takes what it can read");
    EXPECT_EQ(read(folder / "relayvo.cfg.damaged"), two_records_cut);
    EXPECT_EQ(read(folder / "relayvo.cfg.damaged.2"), (bytes{1, 2}));
    EXPECT_FALSE(fs::exists(folder / "relayvo.cfg"));
    EXPECT_EQ(second.report, "store: relayvo.cfg is damaged (record 1 at byte 0: 2 stray bytes); "
                             "kept aside as relayvo.cfg.damaged.2; the component takes what it "
                             "can read");
}

TEST_F(store_test, module_name_chooses_the_file) {
    host::store s(folder);
    s.use("other");
    ASSERT_EQ(s.save(two_records), "");
    EXPECT_TRUE(fs::exists(folder / "other.cfg"));
    EXPECT_FALSE(fs::exists(folder / "relayvo.cfg"));
}

TEST_F(store_test, listing_shows_every_byte_and_the_stores_kept_aside) {
    host::store s(folder);
    write(folder / "relayvo.cfg.damaged", bytes{9});
    ASSERT_EQ(s.save(one_record("add_index")), "");
    std::vector<std::string> expected = {
        "relayvo.cfg: 21 bytes, 1 record",
        "  0000  09 00 00 00 61 64 64 5f  69 6e 64 65 78 04 00 00  |....add_index...|",
        "  0010  00 01 00 00 00                                    |.....|",
        "kept aside: relayvo.cfg.damaged, 1 byte",
    };
    EXPECT_EQ(s.listing(), expected);
}

TEST_F(store_test, missing_profile_folder_is_made) {
    fs::path profile = folder / "new" / "profile";
    EXPECT_EQ(host::prepare_profile_folder(profile), "");
    EXPECT_TRUE(fs::is_directory(profile));
    EXPECT_EQ(host::prepare_profile_folder(profile), "");
}

TEST_F(store_test, file_as_profile_folder_is_reported_and_left_alone) {
    fs::path file = folder / "relayvo.cfg";
    write(file, two_records);
    host::store s(file);
    std::string problem = "the profile folder " + file.string() + " is not a folder";
    EXPECT_EQ(host::prepare_profile_folder(file), problem);
    EXPECT_EQ(s.save(one_record("replace")), problem);
    host::store::reading r = s.read();
    EXPECT_FALSE(r.bytes);
    EXPECT_EQ(r.report, "");
    EXPECT_EQ(read(file), two_records);
}

TEST_F(store_test, unreachable_profile_folder_is_reported_with_the_reason) {
    write(folder / "relayvo.cfg", two_records);
    fs::path below_a_file = folder / "relayvo.cfg" / "profile";
    host::store s(below_a_file);
    std::string problem = host::prepare_profile_folder(below_a_file);
    std::string start = "cannot make the profile folder " + below_a_file.string() + ": ";
    ASSERT_EQ(problem.substr(0, start.size()), start);
    EXPECT_GT(problem.size(), start.size());
    EXPECT_EQ(s.save(two_records), problem);
    EXPECT_EQ(read(folder / "relayvo.cfg"), two_records);
}

TEST_F(store_test, folder_as_store_is_reported_and_never_replaced) {
    fs::create_directories(folder / "relayvo.cfg" / "inside");
    host::store s(folder);
    host::store::reading r = s.read();
    EXPECT_FALSE(r.bytes);
    EXPECT_EQ(r.report, "store: cannot read " + (folder / "relayvo.cfg").string() +
                            ": it is a folder; the component starts with its defaults, and "
                            "saves are refused");
    EXPECT_EQ(s.save(two_records), (folder / "relayvo.cfg").string() +
                                       " could not be read at start, so it is not written over");
    EXPECT_TRUE(fs::is_directory(folder / "relayvo.cfg" / "inside"));
}

TEST_F(store_test, playlists_come_back_as_they_were_saved) {
    host::playlist_model saved;
    saved.rename(0, "Caf\xC3\xA9 \xF0\x9F\x8E\xB5");
    saved.create("C# \"Minor\" \\");
    saved.create("Empty");
    // Bytes that are not UTF-8, beside a backslash and what reads like an escape.
    saved.create("Bad\xFF\xFEName \\xff \xC3");
    host::playlist_model::insert(saved.at(1), 0, {saved.new_track("So What"), saved.new_track("")},
                                 false);
    host::playlist_model::insert(saved.at(3), 0, {saved.new_track("Caf\xE9 \xF0\x9F\x8E")}, false);
    saved.activate(1);
    std::size_t size = 0;
    ASSERT_EQ(host::playlist_file(folder).save(saved, size), "");
    EXPECT_EQ(size, fs::file_size(folder / "playlists.json"));
    // UTF-8 names are plain JSON strings, as files made before hold them; the
    // others are marked.
    bytes file = read(folder / "playlists.json");
    std::string text(file.begin(), file.end());
    EXPECT_NE(text.find("\"name\": \"Caf\xC3\xA9 \xF0\x9F\x8E\xB5\""), std::string::npos);
    EXPECT_NE(text.find(R"("bytes": "Bad\\xff\\xfeName \\\\xff \\xc3")"), std::string::npos)
        << text;

    host::playlist_model loaded;
    ASSERT_EQ(host::playlist_file(folder).load(loaded), std::vector<std::string>());
    ASSERT_EQ(loaded.count(), 4u);
    EXPECT_EQ(loaded.active(), 1u);
    for (std::size_t i = 0; i < saved.count(); ++i) {
        EXPECT_EQ(loaded.at(i).name, saved.at(i).name);
        ASSERT_EQ(loaded.at(i).items.size(), saved.at(i).items.size());
        for (std::size_t t = 0; t < saved.at(i).items.size(); ++t)
            EXPECT_EQ(loaded.at(i).items[t]->title, saved.at(i).items[t]->title);
    }
}

// The playlists of `model`, one word each: a star on the active one, the
// name, and the tracks in brackets.
std::string summary(const host::playlist_model& model) {
    std::string text;
    for (std::size_t i = 0; i < model.count(); ++i) {
        text +=
            (i ? " " : "") + std::string(model.active() == i ? "*" : "") + model.at(i).name + "[";
        for (std::size_t t = 0; t < model.at(i).items.size(); ++t)
            text += (t ? "," : "") + model.at(i).items[t]->title;
        text += "]";
    }
    return text;
}

TEST_F(store_test, playlists_that_are_not_playlists_at_all_are_kept_aside) {
    struct damaged_case {
        const char* text;
        const char* problem;
    };
    const damaged_case cases[] = {
        {"{\"playlists\": [", "not JSON"},
        {"[]", "not a JSON object"},
        {"{\"playlists\": 3}", "no list of playlists"},
    };
    for (const damaged_case& c : cases) {
        fs::remove(folder / "playlists.json.damaged");
        std::ofstream(folder / "playlists.json") << c.text;
        host::playlist_model model;
        std::vector<std::string> expected = {
            std::string("playlists.json: damaged (") + c.problem +
            "); kept aside as playlists.json.damaged; the host starts with one empty playlist"};
        EXPECT_EQ(host::playlist_file(folder).load(model), expected) << c.text;
        EXPECT_EQ(summary(model), "*Default[]") << c.text;
        EXPECT_FALSE(fs::exists(folder / "playlists.json")) << c.text;
        std::ifstream aside(folder / "playlists.json.damaged");
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(aside), {}), c.text);
    }
}

TEST_F(store_test, playlists_are_repaired_where_they_can_be_and_each_repair_is_said) {
    struct repair_case {
        const char* text;
        std::vector<std::string> lines; // after "playlists.json: "
        const char* loaded;             // summary()
    };
    const repair_case cases[] = {
        {R"({"playlists": [{"name": "A"}, {"name": "B"}], "active": 2})",
         {"the active playlist, 2, is not one of them; the first one is active"},
         "*A[] B[]"},
        {R"({"playlists": [{"name": "A"}], "active": "A"})",
         {"the active playlist, \"A\", is not one of them; the first one is active"},
         "*A[]"},
        {R"({"playlists": [{"name": "A", "tracks": ["s", 2, null, "t"]}, {"name": "B"}]})",
         {"playlist 1 (A): dropped 2 tracks that are not text"},
         "*A[s,t] B[]"},
        {R"({"playlists": [{"name": "A", "tracks": [{"bytes": "\\q"}]}], "active": 0})",
         {"playlist 1 (A): dropped 1 track that is not text"},
         "*A[]"},
        {R"({"playlists": []})",
         {"no playlists; the host starts with one empty playlist, as at first start"},
         "*Default[]"},
        {R"({"playlists": [3, {"name": "B"}], "active": 1})",
         {"playlist 1 is not a playlist (3); dropped"},
         "*B[]"},
        {R"({"playlists": [{"tracks": ["x"]}, {"name": 7}]})",
         {"playlist 1 has no name; it is named Playlist 1",
          "playlist 2 has no name; it is named Playlist 2"},
         "*Playlist 1[x] Playlist 2[]"},
        {R"({"playlists": [{"name": "A", "tracks": 1}, {"name": "B", "tracks": [1]}], "active": 5})",
         {"playlist 1 (A): its tracks are not a list; it is kept empty",
          "playlist 2 (B): dropped 1 track that is not text",
          "the active playlist, 5, is not one of them; the first one is active"},
         "*A[] B[]"},
    };
    for (const repair_case& c : cases) {
        std::ofstream(folder / "playlists.json") << c.text;
        host::playlist_model model;
        std::vector<std::string> expected;
        for (const std::string& line : c.lines)
            expected.push_back("playlists.json: " + line);
        EXPECT_EQ(host::playlist_file(folder).load(model), expected) << c.text;
        EXPECT_EQ(summary(model), c.loaded) << c.text;
        EXPECT_TRUE(fs::exists(folder / "playlists.json")) << c.text;
        EXPECT_FALSE(fs::exists(folder / "playlists.json.damaged")) << c.text;
    }
}
