// A host built with the other compiler's ABI, as a Windows media player is:
// clang in the Microsoft mode (thiscall on 32-bit x86, Microsoft's vtable
// layout, its way of passing bool, references and guids), freestanding, and
// linked by lld-link against MinGW's import libraries. It loads the DLL it is
// given and drives it as the player does, checking every result it sees; at
// the first wrong one it names it and exits 1.
//
//   msvc_abi_host PATH\relayvo.dll
#include "quorvel/client.h"
#include "quorvel/commands.h"
#include "quorvel/playlists.h"
#include "quorvel/settings_page.h"
#include "quorvel/version_info.h"
#include "utf8api/headless.h"

// The system calls it makes, declared by hand: there are no Windows headers here.
extern "C" {
__declspec(dllimport) HMODULE WINAPI LoadLibraryA(const char* path);
__declspec(dllimport) void* WINAPI GetProcAddress(HMODULE module, const char* name);
__declspec(dllimport) char* WINAPI GetCommandLineA();
__declspec(dllimport) void WINAPI ExitProcess(UINT code);
__declspec(dllimport) HWND WINAPI
    CreateWindowExA(DWORD ex_style, const char* window_class, const char* title, DWORD style, int x,
                    int y, int width, int height, HWND parent, void* menu, HINSTANCE instance,
                    void* param);
__declspec(dllimport) HWND WINAPI GetDlgItem(HWND dialog, int id);
__declspec(dllimport) BOOL WINAPI DestroyWindow(HWND window);
__declspec(dllimport) int printf(const char* format, ...);
}

namespace {

using namespace quorvel;
using std::int32_t;
using std::uint32_t;
using std::uint8_t;

// The group name of the blob with every option on: UTF-8 beyond Latin-1.
#define GROUP                                                                                      \
    "\xC3\x9C"                                                                                     \
    "ber-Mix \xE2\x99\xAB"

[[noreturn]] void fail(const char* what, const char* got = "") {
    printf("FAILED: %s%s%s\n", what, *got ? ", got: " : "", got);
    ExitProcess(1);
    __builtin_unreachable();
}
void check(bool ok, const char* what) {
    if (!ok) fail(what);
}
// For a slot the component must never call.
int unexpected(const char* slot) {
    fail(slot);
}
bool same(const char* a, const char* b) {
    while (*a && *a == *b)
        ++a, ++b;
    return *a == *b;
}
void check_text(const char* got, const char* want, const char* what) {
    if (!same(got, want)) fail(what, got);
}
uint32_t length_of(const char* text) {
    uint32_t n = 0;
    while (text[n])
        ++n;
    return n;
}

// The host's text buffer, which the component fills.
class fixed_text final : public text_buffer {
public:
    const char* get_text() override { return text; }
    void append(const char* src, uint32_t max_len) override {
        for (uint32_t i = 0; src && i < max_len && src[i]; ++i) {
            check(size + 1 < sizeof text, "a text fits the host's buffer");
            text[size++] = src[i];
        }
        text[size] = 0;
    }
    void assign(const char* src, uint32_t max_len) override {
        text[size = 0] = 0;
        append(src, max_len);
    }
    void truncate(uint32_t n) override {
        if (n < size) text[size = n] = 0;
    }
    uint32_t length() override { return size; }

    char text[256] = "";
    uint32_t size = 0;
};

// The host's list of track handles.
class handle_array final : public pointer_list {
public:
    uint32_t count() override { return size; }
    void* get(uint32_t index) override { return index < size ? items[index] : nullptr; }
    void* remove_at(uint32_t index) override {
        void* item = items[index];
        for (--size; index < size; ++index)
            items[index] = items[index + 1];
        return item;
    }
    void filter(const index_mask& mask) override {
        uint32_t kept = 0;
        for (uint32_t i = 0; i < size; ++i) {
            bool keep = mask.get(i);
            check(mask.find(keep, i, 1) == i, "index_mask::find agrees with get");
            if (keep) items[kept++] = items[i];
        }
        size = kept;
    }
    void insert(void* item, uint32_t index) override {
        check(size < 16 && index <= size, "an insertion fits the host's list");
        for (uint32_t i = size++; i > index; --i)
            items[i] = items[i - 1];
        items[index] = item;
    }
    void append(pointer_list& more) {
        for (uint32_t i = 0, n = more.count(); i < n; ++i)
            insert(more.get(i), size);
    }

    void* items[16] = {};
    uint32_t size = 0;
};

// The configuration bytes, as the host stores them and as it builds them:
// each record the key's length and bytes, then the value's, little-endian.
class bytes final : public config_sink {
public:
    void write(const void* more, uint32_t length) override {
        check(size + length <= sizeof data, "a blob fits the host's buffer");
        for (uint32_t i = 0; i < length; ++i)
            data[size++] = static_cast<const uint8_t*>(more)[i];
    }
    bytes& text(const char* key, const char* value) { return field(key).field(value); }
    bytes& flag(const char* key, int32_t value) {
        field(key);
        number(4);
        return number(static_cast<uint32_t>(value));
    }
    bool operator==(const bytes& other) const {
        return size == other.size && std::memcmp(data, other.data, size) == 0;
    }

    uint8_t data[512] = {};
    uint32_t size = 0;

private:
    bytes& number(uint32_t value) {
        uint8_t little[4] = {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16),
                             uint8_t(value >> 24)};
        write(little, 4);
        return *this;
    }
    bytes& field(const char* text) {
        number(length_of(text));
        write(text, length_of(text));
        return *this;
    }
};

// The host's playlists; the tracks are handles 1, 2, ...
struct playlist {
    char name[32] = "";
    handle_array items;
};
// Every object of the host is initialised at compile time: no runtime runs
// constructors before the entry point.
constinit playlist playlists[4];
uint32_t playlist_count = 0;
uint32_t active = 0;
constinit handle_array selection; // of the active playlist
int removals = 0;                 // runs of the main-menu command

void name_playlist(uint32_t index, const char* name) {
    fixed_text copy;
    copy.assign(name, unbounded);
    for (uint32_t i = 0; i <= copy.size; ++i)
        playlists[index].name[i] = copy.text[i];
}

// What every service of the host answers: references are not counted.
template <class Interface>
class host_service : public Interface {
public:
    int release() override { return 1; }
    int add_ref() override { return 1; }
    service_object* query(const guid&) override { return nullptr; }
};

class roster_service final : public host_service<playlist_roster> {
public:
    int32_t unused_4(uint32_t) override { return unexpected("roster slot 4 was called"); }
    bool playlist_name(uint32_t index, text_buffer& out) override {
        if (index >= playlist_count) return false;
        out.assign(playlists[index].name, unbounded);
        return true;
    }
    bool unused_6(uint32_t) override { return unexpected("roster slot 6 was called"); }
    int32_t playlist_item_count(uint32_t index) override {
        return index < playlist_count ? int32_t(playlists[index].items.size) : -1;
    }
    int32_t unused_8() override { return unexpected("roster slot 8 was called"); }
    int32_t active_index() override { return int32_t(active); }
    bool activate(uint32_t index) override {
        if (index >= playlist_count) return false;
        active = index;
        return true;
    }
};
constinit roster_service roster;

class active_service final : public host_service<active_playlist> {
public:
    int32_t item_count() override { return int32_t(playlists[active].items.size); }
    int32_t unused_5() override { return unexpected("active playlist slot 5 was called"); }
    int32_t unused_6() override { return unexpected("active playlist slot 6 was called"); }
    int32_t unused_7() override { return unexpected("active playlist slot 7 was called"); }
    int32_t unused_8() override { return unexpected("active playlist slot 8 was called"); }
    int32_t unused_9() override { return unexpected("active playlist slot 9 was called"); }
    int32_t unused_10() override { return unexpected("active playlist slot 10 was called"); }
    int32_t unused_11() override { return unexpected("active playlist slot 11 was called"); }
    int32_t unused_12() override { return unexpected("active playlist slot 12 was called"); }
    int32_t unused_13() override { return unexpected("active playlist slot 13 was called"); }
    int32_t unused_14() override { return unexpected("active playlist slot 14 was called"); }
    bool remove_masked(const index_mask& mask) override {
        playlists[active].items.filter(keep_unmasked{mask});
        return true;
    }
    int32_t unused_16() override { return unexpected("active playlist slot 16 was called"); }
    int32_t unused_17() override { return unexpected("active playlist slot 17 was called"); }
    int32_t insert_handles(handle_list& handles, int32_t a, int32_t b, int32_t c,
                           int32_t d) override {
        check(a == 0 && b == -1 && c == 0 && d == 1, "insert_handles is passed 0, -1, 0, 1");
        playlists[active].items.append(handles);
        return 1;
    }

private:
    // The items a mask of the component leaves, asked through its interface.
    struct keep_unmasked final : index_mask {
        explicit keep_unmasked(const index_mask& mask) : mask(mask) {}
        bool get(uint32_t index) const override { return !mask.get(index); }
        uint32_t find(bool value, uint32_t start, uint32_t count) const override {
            return mask.find(!value, start, count);
        }
        const index_mask& mask;
    };
};
constinit active_service active_list;

// The host's main menu: one command, which removes the selection from the
// active playlist, and which the component runs by its guid.
class main_menu_service final : public host_service<command_source> {
public:
    service_object* query(const guid& cls) override {
        return cls == command_source_ext || cls == command_source_class ? this : nullptr;
    }
    uint32_t default_state(uint32_t) override { return state_on; }
    uint32_t menu_kind() override { return menu_main; }
    uint32_t command_count() override { return 1; }
    void command_path(uint32_t, text_buffer& out) override { out.assign("Edit/Remove", unbounded); }
    bool display_text(uint32_t, handle_list&, text_buffer&, uint32_t&) override {
        return unexpected("the main menu's display_text was called");
    }
    void execute(uint32_t, handle_list&) override { fail("the main menu's execute was called"); }
    bool unnamed_10(uint32_t, text_buffer&) override { return unexpected("main menu slot 10"); }
    uint32_t unnamed_11(uint32_t) override { return unexpected("main menu slot 11 was called"); }
    bool display_text_for(uint32_t, handle_list&, text_buffer&, uint32_t&, const guid&) override {
        return unexpected("the main menu's display_text_for was called");
    }
    void execute_for(uint32_t index, handle_list& handles, const guid& caller) override {
        check(index == 0 && handles.count() == 0 && caller == caller_none,
              "the remove command runs as command 0, with no tracks and no caller");
        handle_array& items = playlists[active].items;
        for (uint32_t s = 0; s < selection.size; ++s)
            for (uint32_t i = 0; i < items.size; ++i)
                if (items.items[i] == selection.items[s]) items.remove_at(i);
        ++removals;
    }
    bool command_guid(uint32_t index, guid& out) override {
        out = remove_selection_command;
        return index == 0;
    }
    bool unnamed_15(uint32_t, text_buffer&) override { return unexpected("main menu slot 15"); }
    void execute_step(uint32_t, handle_list&, const guid&) override {
        fail("the main menu's execute_step was called");
    }
    bool display_step(uint32_t, handle_list&, text_buffer&, uint32_t&, const guid&) override {
        return unexpected("the main menu's display_step was called");
    }
};
constinit main_menu_service main_menu;

class directory_service final : public host_api {
public:
    service_object* find_service(const guid& cls, uint32_t index) override {
        if (index != 0) return nullptr;
        if (cls == playlist_roster_class) return &roster;
        if (cls == active_playlist_class) return &active_list;
        if (cls == command_source_class) return &main_menu;
        return nullptr;
    }
};
constinit directory_service directory;

// The component's published services, in the order of its list.
struct component {
    component_client* client;
    playlist_watcher* watcher;
    settings_page* page;
    command_source* by_name;
    command_source* by_index;
    version_info* version;

    void load(const bytes& blob) { client->load_configuration(blob.data, blob.size); }
    bytes saved() {
        bytes blob;
        client->save_configuration(blob);
        return blob;
    }
};

component connect(const char* path) {
    HMODULE module = LoadLibraryA(path);
    check(module, "LoadLibraryA loads the DLL");
    auto entry =
        reinterpret_cast<quorvel_get_interface_fn>(GetProcAddress(module, "quorvel_get_interface"));
    check(entry, "the DLL exports quorvel_get_interface");
    component_client* client = entry(&directory, module);
    check(client && entry(&directory, module) == client, "the export gives one client, twice");
    check(client->client_version() == client_interface_version, "client_version is 35");

    const guid* const classes[] = {&playlist_watcher_class, &settings_page_class,
                                   &command_source_class, &command_source_class,
                                   &version_info_class};
    service_object* services[5] = {};
    uint32_t count = 0;
    for (service_entry* e = client->first_service_entry(); e; e = e->next, ++count) {
        check(count < 5 && e->class_guid == *classes[count],
              "the list is the watcher, the page, two command sources, the version record");
        services[count] = e->create_instance();
        check(services[count] && e->create_instance() == services[count] &&
                  services[count]->add_ref() == 1 && services[count]->release() == 1,
              "each published service is one static object");
    }
    check(count == 5, "five services are published");
    auto* by_name = static_cast<command_source*>(services[2]);
    check(by_name->query(command_source_ext) == by_name, "a command source is its own extension");
    return {client,
            static_cast<playlist_watcher*>(services[0]),
            static_cast<settings_page*>(services[1]),
            by_name,
            static_cast<command_source*>(services[3]),
            static_cast<version_info*>(services[4])};
}

void check_version_record(component& c) {
    c.client->set_module_location("C:\\quorvel\\components\\relayvo.dll", "relayvo");
    const struct {
        void (version_info::*read)(text_buffer&);
        const char* want;
        const char* what;
    } texts[] = {
        {&version_info::module_name, "relayvo", "the module name"},
        {&version_info::component_name, "Relayvo", "the component's name"},
        {&version_info::component_version, RELAYVO_VERSION, "the component's version"},
    };
    for (const auto& t : texts) {
        fixed_text out;
        (c.version->*t.read)(out);
        check_text(out.text, t.want, t.what);
    }
    fixed_text about;
    c.version->about_text(about);
    about.truncate(29);
    check_text(about.text, "Allows you to send items to p", "the about text");
}

void add_playlist(component& c, const char* name, uint32_t tracks) {
    uint32_t index = playlist_count++;
    name_playlist(index, name);
    playlists[index].items.size = 0;
    for (uint32_t t = 1; t <= tracks; ++t)
        playlists[index].items.insert(reinterpret_cast<void*>(std::uintptr_t{t}), t - 1);
    c.watcher->on_playlist_created(index, name, length_of(name));
}

// The context menu of `caller`: each by-index command's label, null where hidden.
template <uint32_t N>
void check_menu(component& c, const guid& caller, const char* const (&labels)[N],
                const char* what) {
    check(c.by_index->command_count() == N, what);
    for (uint32_t i = 0; i < N; ++i) {
        fixed_text out;
        uint32_t flags = 0;
        bool shown = c.by_index->display_text_for(i, selection, out, flags, caller);
        check(shown == (labels[i] != nullptr), what);
        if (shown) check_text(out.text, labels[i], what);
        handle_array none;
        check(!c.by_index->display_text_for(i, none, out, flags, caller),
              "no command is shown without a selection");
    }
}

// The shortcut list: each command's stored name, by-name commands first.
template <uint32_t N>
void check_paths(component& c, const char* const (&by_name)[N], const char* what) {
    check(c.by_name->command_count() == N && c.by_index->command_count() == N, what);
    for (uint32_t i = 0; i < N; ++i) {
        fixed_text name, index;
        c.by_name->command_path(i, name);
        check_text(name.text, by_name[i], what);
        c.by_index->command_path(i, index);
        const char want[] = GROUP "/Playlist 000";
        check(index.size == sizeof want && index.text[sizeof want - 1] == char('0' + i), what);
        index.truncate(sizeof want - 1);
        check_text(index.text, want, what);
        uint32_t flags = 0;
        check(!c.by_name->display_text_for(i, selection, name, flags, caller_none),
              "no by-name command is shown in a menu");
    }
}

void check_playlist_events(component& c) {
    check(c.by_name->default_state(0) == state_off &&
              c.by_index->default_state(0) == state_forced_on,
          "by-name commands are off, by-index ones forced on");
    check_paths(c, {GROUP "/Inbox", GROUP "/Rock", GROUP "/Jazz"}, "the commands' names");
    check_menu(c, caller_playlist_view, {nullptr, "2. Rock (0)", "3. Jazz (0)"},
               "the playlist view's menu, without the playlist the tracks are in");
    check_menu(c, caller_none, {"1. Inbox (4)", "2. Rock (0)", "3. Jazz (0)"},
               "the menu of no caller");

    name_playlist(2, "Cool Jazz");
    c.watcher->on_playlist_renamed(2, "Cool Jazz");
    check_paths(c, {GROUP "/Inbox", GROUP "/Rock", GROUP "/Cool Jazz"}, "names after a rename");
    check_menu(c, caller_none, {"1. Inbox (4)", "2. Rock (0)", "3. Cool Jazz (0)"},
               "the menu after a rename");

    name_playlist(1, "Cool Jazz");
    name_playlist(2, "Rock");
    c.watcher->on_playlist_list_changed(1, 2);
    check_menu(c, caller_none, {"1. Inbox (4)", "2. Cool Jazz (0)", "3. Rock (0)"},
               "the menu after a reorder");

    add_playlist(c, "Blues", 1);
    check_menu(c, caller_none, {"1. Inbox (4)", "2. Cool Jazz (0)", "3. Rock (0)", "4. Blues (1)"},
               "the menu after a creation");
    --playlist_count;
    c.watcher->on_playlist_removed(3);
    check_paths(c, {GROUP "/Inbox", GROUP "/Cool Jazz", GROUP "/Rock"}, "names after a removal");
}

// Sends the selection from Inbox (playlist 0) in each mode: a copy, a replace,
// and a move from the playlist view, which runs the host's remove command.
void check_sends(component& c) {
    const struct {
        const char* what;
        int32_t replace, move;
        const guid& caller;
        uint32_t target, inbox_after, target_after, removals_after;
        const char* label_after;
    } sends[] = {
        {"a copy (a move only from the playlist view)", 0, 1, caller_none, 1, 4, 2, 0,
         "2. Cool Jazz (2)"},
        {"a replace", 1, 0, caller_playlist_view, 1, 4, 2, 0, "2. Cool Jazz (2)"},
        {"a move", 0, 1, caller_playlist_view, 2, 2, 2, 1, "3. Rock (2)"},
    };
    for (const auto& send : sends) {
        c.load(bytes().flag("replace", send.replace).flag("move_files", send.move));
        active = 0;
        c.by_index->execute_for(send.target, selection, send.caller);
        check(playlists[0].items.size == send.inbox_after, send.what);
        check(playlists[send.target].items.size == send.target_after, send.what);
        check(active == send.target && removals == int(send.removals_after), send.what);
        fixed_text label;
        uint32_t flags = 0;
        c.by_index->display_text_for(send.target, selection, label, flags, caller_none);
        check_text(label.text, send.label_after, send.what);
    }
}

// The page in a real window under a frame of the host's, through utf8api:
// every box ticked, the group name through UTF-16 and back, and a click
// stored and undone.
void check_page(component& c, const bytes& all_on) {
    check_text(c.page->page_name(), "Relayvo", "the page's name");
    check_text(c.page->parent_name(), "Components", "the page's branch");
    constexpr DWORD ws_popup = 0x80000000;
    HWND frame = CreateWindowExA(0, "STATIC", "Preferences", ws_popup, 0, 0, 480, 360, 0, 0, 0, 0);
    HWND page = c.page->create_window(frame);
    check(frame && page, "the page opens under the host's frame");
    int controls = uHeadlessControlCount(page);
    check(controls == 9, "the page has its nine controls");
    int first_box = 0;
    for (int i = 0; i < controls; ++i) {
        uControlState control;
        check(uHeadlessControlState(page, i, &control), "each control reads back");
        if (same(control.class_name, "BUTTON")) {
            check(control.check == 1, "every box is ticked");
            if (!first_box) first_box = control.id;
        }
        if (same(control.class_name, "EDIT")) check_text(control.text, GROUP, "the group field");
    }
    uHeadlessClick(GetDlgItem(page, first_box));
    check(!(c.saved() == all_on), "a click is stored");
    uHeadlessClick(GetDlgItem(page, first_box));
    check(c.saved() == all_on, "a second click restores every byte");
    DestroyWindow(page);
    DestroyWindow(frame);
}

// The command line's argument: what follows the program's name, quoted or
// not, without its own quotes.
const char* dll_path() {
    char* at = GetCommandLineA();
    char end = *at == '"' ? '"' : ' ';
    for (at += end == '"'; *at && *at != end; ++at) {
    }
    while (*at == '"' || *at == ' ')
        ++at;
    uint32_t length = length_of(at);
    if (length && at[length - 1] == '"') at[length - 1] = 0;
    return at;
}

} // namespace

extern "C" void start() {
    component c = connect(dll_path());
    check_version_record(c);
    bytes all_on;
    all_on.text("cust_group_name", GROUP)
        .flag("move_files", 1)
        .flag("show_numbers", 1)
        .flag("force_on", 1)
        .flag("use_custom_group", 1)
        .flag("add_index", 1)
        .flag("replace", 1)
        .flag("add_total", 1);
    c.load(all_on);
    check(c.saved() == all_on, "a blob with every option on is saved back byte for byte");
    add_playlist(c, "Inbox", 4);
    add_playlist(c, "Rock", 0);
    add_playlist(c, "Jazz", 0);
    selection.insert(reinterpret_cast<void*>(std::uintptr_t{3}), 0);
    selection.insert(reinterpret_cast<void*>(std::uintptr_t{4}), 1);
    check_playlist_events(c);
    check_sends(c);
    c.load(all_on);
    check_page(c, all_on);
    printf("the %d-bit DLL met every check of a Microsoft-ABI host\n", int(sizeof(void*) * 8));
    ExitProcess(0);
}
