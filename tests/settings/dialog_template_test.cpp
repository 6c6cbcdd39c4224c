// The compiled settings dialog template, field by field, as the library ships it.
#include "settings/control_ids.h"
#include "utf8api/common/dialog_template.h"

#include <gtest/gtest.h>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace {

constexpr std::uint32_t ws_child = 0x40000000, ws_visible = 0x10000000, ws_tabstop = 0x00010000,
                        ws_group = 0x00020000, ws_border = 0x00800000;
constexpr std::uint32_t check_box_style = ws_child | ws_visible | ws_tabstop |
                                          0x2000 /* multiline */ | 0x0400 /* top */ |
                                          0x0003 /* automatic check box */;
constexpr std::uint32_t edit_style = ws_child | ws_visible | ws_border | ws_tabstop |
                                     0x0000 /* left */ | 0x0080 /* auto horizontal scroll */;
constexpr std::uint32_t note_style = ws_child | ws_visible | ws_group | 0x0000 /* left */;

struct expected_item {
    std::int32_t id;
    const char* class_name;
    const char* text;
    std::int16_t x, y, width, height;
    std::uint32_t style;
};

const expected_item expected_items[] = {
    {1018, "BUTTON", "Prefix playlist index to name", 7, 13, 106, 10, check_box_style},
    {1019, "BUTTON", "Append total items in playlist to name", 7, 29, 135, 10, check_box_style},
    {1017, "BUTTON", "Replace playlist contents when adding", 7, 45, 138, 10, check_box_style},
    {1023, "BUTTON", "When activated from playlist, remove tracks from source playlist", 7, 61, 221,
     10, check_box_style},
    {1022, "BUTTON", "Force menu items on", 7, 77, 82, 10, check_box_style},
    {1021, "BUTTON", "Use custom group name", 7, 103, 93, 10, check_box_style},
    {1001, "EDIT", "", 7, 114, 318, 15, edit_style},
    {1020, "BUTTON",
     "Also add additional entries in keyboard shortcut list using playlist name (allows you to "
     "create shortcuts that always go to the playlist with that name, even if you move it around)",
     7, 155, 283, 31, check_box_style},
    {-1, "STATIC",
     "Note: In order to maintain correct sort order unless you rearrange them yourself, entries in "
     "context menu items list show playlist indices.",
     7, 265, 310, 17, note_style},
};

// The template as the built component carries it: a resource of the DLL on
// Windows, the compiled resource file beside the library elsewhere.
bool compiled_template(resources::dialog_template& layout) {
#if defined(_WIN32)
    HMODULE dll = LoadLibraryExA(RELAYVO_LIBRARY, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    constexpr WORD british_english = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK);
    HRSRC found = dll ? FindResourceExW(dll, MAKEINTRESOURCEW(5) /* dialog */,
                                        MAKEINTRESOURCEW(IDD_SETTINGS), british_english)
                      : nullptr;
    HGLOBAL loaded = found ? LoadResource(dll, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    bool decoded = bytes && resources::decode_dialog(static_cast<const std::uint8_t*>(bytes),
                                                     SizeofResource(dll, found), layout);
    layout.language = british_english;
    if (dll) FreeLibrary(dll);
    return decoded;
#else
    return resources::find_dialog(resources::read_file(RELAYVO_RESOURCES), IDD_SETTINGS, layout);
#endif
}

class dialog_template_test : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(compiled_template(layout)); }
    resources::dialog_template layout;
};

} // namespace

TEST_F(dialog_template_test, header_is_an_extended_child_dialog_in_british_english) {
    EXPECT_EQ(layout.language, 2057);
    EXPECT_EQ(layout.version, 1);
    EXPECT_EQ(layout.signature, 0xFFFF);
    EXPECT_EQ(layout.style, ws_child | 0x40u /* set font */);
    EXPECT_EQ(layout.ex_style, 0x00010000u /* control parent */);
    EXPECT_EQ(layout.help_id, 0u);
    EXPECT_EQ(layout.x, 0);
    EXPECT_EQ(layout.y, 0);
    EXPECT_EQ(layout.width, 332);
    EXPECT_EQ(layout.height, 296);
    EXPECT_EQ(layout.menu, "");
    EXPECT_EQ(layout.window_class, "");
    EXPECT_EQ(layout.title, "");
}

TEST_F(dialog_template_test, font_is_tahoma_eight_points) {
    EXPECT_EQ(layout.typeface, "Tahoma");
    EXPECT_EQ(layout.point_size, 8);
    EXPECT_EQ(layout.weight, 0);
    EXPECT_EQ(layout.italic, 0);
    EXPECT_EQ(layout.charset, 1);
}

TEST_F(dialog_template_test, nine_controls_in_creation_order_with_their_exact_fields) {
    ASSERT_EQ(layout.items.size(), std::size(expected_items));
    for (std::size_t i = 0; i < layout.items.size(); ++i) {
        const resources::dialog_item& got = layout.items[i];
        const expected_item& want = expected_items[i];
        SCOPED_TRACE("control " + std::to_string(i + 1));
        EXPECT_EQ(got.id, want.id);
        EXPECT_EQ(got.class_name, want.class_name);
        EXPECT_EQ(got.text, want.text);
        EXPECT_EQ(got.x, want.x);
        EXPECT_EQ(got.y, want.y);
        EXPECT_EQ(got.width, want.width);
        EXPECT_EQ(got.height, want.height);
        EXPECT_EQ(got.style, want.style);
        EXPECT_EQ(got.ex_style, 0u);
        EXPECT_EQ(got.help_id, 0u);
    }
}

#if !defined(_WIN32)
TEST(resource_file_test, unknown_template_and_damaged_files_are_refused) {
    resources::dialog_template layout;
    std::vector<std::uint8_t> res = resources::read_file(RELAYVO_RESOURCES);
    EXPECT_FALSE(resources::find_dialog(res, 103, layout));
    for (std::size_t cut : {std::size_t{0}, std::size_t{7}, std::size_t{40}, res.size() - 9}) {
        std::vector<std::uint8_t> partial(res.begin(), res.begin() + static_cast<long>(cut));
        EXPECT_FALSE(resources::find_dialog(partial, IDD_SETTINGS, layout)) << cut;
    }
    EXPECT_FALSE(
        resources::find_dialog(resources::read_file("/nonexistent.res"), IDD_SETTINGS, layout));
}
#endif
