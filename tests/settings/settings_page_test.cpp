// The preferences page driven only through utf8api, as a host drives it.
#include "settings/control_ids.h"
#include "tests/settings/loaded_component.h"
#include "tests/support/config_bytes.h"
#include "utf8api/headless.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

using config_support::int_value;
using config_support::text_value;
using settings_testing::loaded_component;

namespace {

// The check boxes with the keys they store under, in template order.
struct box {
    int id;
    const char* key;
    bool rebuilds;
};
const box boxes[] = {
    {IDC_ADD_INDEX, "add_index", true},       {IDC_ADD_TOTAL, "add_total", true},
    {IDC_REPLACE, "replace", true},           {IDC_MOVE_FILES, "move_files", false},
    {IDC_FORCE_ON, "force_on", false},        {IDC_USE_CUSTOM_GROUP, "use_custom_group", true},
    {IDC_SHOW_NUMBERS, "show_numbers", true},
};

LRESULT check_of(HWND page, int id) {
    return uSendDlgItemMessage(page, id, BM_GETCHECK, 0, 0);
}

std::string text_of(HWND control) {
    testing_support::string_buffer out;
    uGetWindowText(control, out);
    return out.text;
}

class settings_page_test : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(component.error(), ""); }
    loaded_component component;
};

} // namespace

TEST_F(settings_page_test, names_place_the_page_under_components) {
    EXPECT_STREQ(component.page().page_name(), "Relayvo");
    EXPECT_STREQ(component.page().parent_name(), "Components");
}

TEST_F(settings_page_test, new_page_shows_the_defaults_and_changes_no_setting) {
    auto before = component.saved_blob();
    HWND page = component.open_page();
    ASSERT_NE(page, nullptr);
    for (const box& b : boxes)
        EXPECT_EQ(check_of(page, b.id), BST_UNCHECKED) << b.key;
    HWND field = GetDlgItem(page, IDC_GROUP_NAME);
    EXPECT_FALSE(IsWindowEnabled(field));
    EXPECT_EQ(text_of(field), "Relayvo");
    // Filling the field notifies a change, as a real edit control does; the
    // page ignores the notification its own filling causes.
    EXPECT_EQ(component.saved_blob(), before);
    EXPECT_EQ(component.rebuilds(), 0);
}

// A stored name the reader took as it came, not valid UTF-8: on Windows it
// reaches the field through UTF-16 and reads back otherwise, so storing the
// field's text on opening would rename every by-name command.
TEST_F(settings_page_test, opening_and_closing_the_page_changes_no_stored_byte) {
    const std::string stored = "Gr\xFF\xFEuppe \xC3(";
    for (std::int32_t custom : {0, 1}) {
        SCOPED_TRACE(custom);
        component.load(config_support::blob_builder()
                           .record("cust_group_name", stored)
                           .int_record("use_custom_group", custom)
                           .int_record("show_numbers", 1)
                           .data);
        const auto before = component.saved_blob();
        EXPECT_EQ(component.saved()["cust_group_name"], text_value(stored));
        component.close_page(component.open_page());
        EXPECT_EQ(component.saved_blob(), before);
        EXPECT_EQ(component.rebuilds(), 0);
    }
}

TEST_F(settings_page_test, typing_after_opening_is_stored_again) {
    component.load_int("use_custom_group", 1);
    HWND page = component.open_page();
    HWND field = GetDlgItem(page, IDC_GROUP_NAME);
    uHeadlessType(field, "Relayvo");
    EXPECT_EQ(component.saved()["cust_group_name"], text_value("Relayvo"));
    EXPECT_EQ(component.rebuilds(), 1);
    // Setting the text from outside is a change like typing.
    uSendMessageText(field, WM_SETTEXT, 0, "Set");
    EXPECT_EQ(component.saved()["cust_group_name"], text_value("Set"));
    EXPECT_EQ(component.rebuilds(), 1);
}

TEST_F(settings_page_test, each_click_stores_the_state_and_rebuilds_unless_force_on_or_move_files) {
    HWND page = component.open_page();
    for (const box& b : boxes) {
        uHeadlessClick(GetDlgItem(page, b.id));
        EXPECT_EQ(component.saved()[b.key], int_value(1)) << b.key;
        EXPECT_EQ(component.rebuilds(), b.rebuilds ? 1 : 0) << b.key;
        uHeadlessClick(GetDlgItem(page, b.id));
        EXPECT_EQ(component.saved()[b.key], int_value(0)) << b.key;
        EXPECT_EQ(component.rebuilds(), b.rebuilds ? 1 : 0) << b.key;
    }
}

TEST_F(settings_page_test, rebuilt_labels_already_follow_the_new_value) {
    HWND page = component.open_page();
    EXPECT_EQ(component.label(1), "Jazz");
    uHeadlessClick(GetDlgItem(page, IDC_ADD_INDEX));
    EXPECT_EQ(component.label(1), "2. Jazz");
    uHeadlessClick(GetDlgItem(page, IDC_ADD_TOTAL));
    EXPECT_EQ(component.label(1), "2. Jazz (3)");
}

TEST_F(settings_page_test, custom_group_box_enables_and_disables_the_field) {
    HWND page = component.open_page();
    HWND field = GetDlgItem(page, IDC_GROUP_NAME);
    uHeadlessClick(GetDlgItem(page, IDC_USE_CUSTOM_GROUP));
    EXPECT_TRUE(IsWindowEnabled(field));
    uHeadlessType(field, "Favourites");
    uHeadlessClick(GetDlgItem(page, IDC_USE_CUSTOM_GROUP));
    EXPECT_FALSE(IsWindowEnabled(field));
    EXPECT_EQ(text_of(field), "Favourites");
    EXPECT_EQ(component.saved()["cust_group_name"], text_value("Favourites"));
}

TEST_F(settings_page_test, field_is_enabled_on_opening_while_the_custom_group_is_on) {
    component.load_int("use_custom_group", 1);
    HWND page = component.open_page();
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, IDC_GROUP_NAME)));
    EXPECT_EQ(check_of(page, IDC_USE_CUSTOM_GROUP), BST_CHECKED);
}

TEST_F(settings_page_test, typing_stores_the_whole_text_and_rebuilds_once_per_change) {
    component.load_int("use_custom_group", 1);
    HWND field = GetDlgItem(component.open_page(), IDC_GROUP_NAME);
    for (const char* typed : {"F", "Fa", "Fav", "Fav", ""}) {
        uHeadlessType(field, typed);
        EXPECT_EQ(component.saved()["cust_group_name"], text_value(typed)) << typed;
        EXPECT_EQ(component.rebuilds(), 1) << typed;
    }
}

TEST_F(settings_page_test, other_notifications_from_the_same_controls_do_nothing) {
    HWND page = component.open_page();
    auto before = component.saved();
    const WORD other_codes[] = {1 /* double click */, 0x0100 /* focus */, 0x0200 /* kill focus */};
    for (const box& b : boxes)
        for (WORD code : other_codes)
            uSendMessage(page, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(b.id), code),
                         reinterpret_cast<LPARAM>(GetDlgItem(page, b.id)));
    HWND field = GetDlgItem(page, IDC_GROUP_NAME);
    for (WORD code : {WORD{0}, WORD{0x0100}, WORD{0x0400} /* update */})
        uSendMessage(page, WM_COMMAND, MAKEWPARAM(IDC_GROUP_NAME, code),
                     reinterpret_cast<LPARAM>(field));
    uSendMessage(page, WM_COMMAND, MAKEWPARAM(1016, BN_CLICKED), 0);
    EXPECT_EQ(component.saved(), before);
    EXPECT_EQ(component.rebuilds(), 0);
}

// A menu or an accelerator sends WM_COMMAND with a box's id and code 0, as a
// click does, but no control window; another control's window is no sender
// either. Every box is on, so a click taken from either would clear one.
TEST_F(settings_page_test, commands_not_sent_by_the_control_itself_change_nothing) {
    config_support::blob_builder all_on;
    for (const box& b : boxes)
        all_on.int_record(b.key, 1);
    component.load(all_on.record("cust_group_name", "Mine").data);
    HWND page = component.open_page();
    const auto before = component.saved_blob();
    HWND field = GetDlgItem(page, IDC_GROUP_NAME);
    for (const box& b : boxes)
        for (HWND sender : {HWND{}, field})
            uSendMessage(page, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(b.id), BN_CLICKED),
                         reinterpret_cast<LPARAM>(sender));
    uSendMessage(page, WM_COMMAND, MAKEWPARAM(IDC_GROUP_NAME, EN_CHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(page, IDC_REPLACE)));
    EXPECT_EQ(component.saved_blob(), before);
    EXPECT_EQ(component.rebuilds(), 0);
    for (const box& b : boxes)
        EXPECT_EQ(check_of(page, b.id), BST_CHECKED) << b.key;
}

TEST_F(settings_page_test, two_windows_do_not_refresh_each_other) {
    HWND first = component.open_page();
    uHeadlessClick(GetDlgItem(first, IDC_REPLACE));
    HWND second = component.open_page();
    ASSERT_NE(first, second);
    EXPECT_EQ(check_of(second, IDC_REPLACE), BST_CHECKED);
    uHeadlessClick(GetDlgItem(second, IDC_REPLACE));
    EXPECT_EQ(check_of(first, IDC_REPLACE), BST_CHECKED);
    EXPECT_EQ(component.saved()["replace"], int_value(0));
}

TEST_F(settings_page_test,
       stored_flag_of_two_reaches_its_box_unchanged_and_a_click_stores_zero_or_one) {
    component.load_int("add_index", 2);
    HWND page = component.open_page();
#if defined(_WIN32)
    // A two-state check box shows any set state as checked.
    EXPECT_EQ(check_of(page, IDC_ADD_INDEX), BST_CHECKED);
#else
    EXPECT_EQ(check_of(page, IDC_ADD_INDEX), 2);
#endif
    uHeadlessClick(GetDlgItem(page, IDC_ADD_INDEX));
    EXPECT_EQ(component.saved()["add_index"], int_value(0));
}

#if !defined(_WIN32)
// Only a library without a resource section keeps its template in a file.
TEST(settings_page_failure_test, missing_template_gives_no_window) {
    // A copy of the library without its compiled template beside it.
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("relayvo-no-template-" + std::to_string(getpid()));
    fs::create_directories(dir);
    fs::copy_file(RELAYVO_LIBRARY, dir / "librelayvo.so", fs::copy_options::overwrite_existing);
    {
        loaded_component component((dir / "librelayvo.so").string());
        ASSERT_EQ(component.error(), "");
        EXPECT_EQ(component.open_page(), nullptr);
        EXPECT_EQ(component.rebuilds(), 0);
    }
    fs::remove_all(dir);
}
#endif
