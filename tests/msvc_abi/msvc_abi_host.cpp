// A host built with the other compiler's ABI, as a Windows media player is:
// clang in the Microsoft mode (thiscall on 32-bit x86, Microsoft's vtable
// layout, its way of passing bool, references and guids), freestanding, and
// linked by lld-link against MinGW's import libraries. It loads the DLL it is
// given and drives it as the player does, checking every result it sees, then
// calls every slot of every interface the component implements once more
// through a guard that also checks its own stack pointer and the registers a
// callee must keep; at the first wrong result it names it and exits 1.
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

// One call of a slot as this compiler makes it: through the entry of its
// member pointer (with single inheritance a plain code address, which reaches
// the slot through the object's table), the object as `this`, and the
// arguments as words. The assembly below loads a marker into every register a
// callee must keep, makes the call, and records those registers and the stack
// pointer: a 32-bit thiscall slot that pops more or fewer arguments than this
// host pushed moves the stack pointer.
#if defined(_M_IX86)
constexpr const char* kept_registers[] = {"ebx", "esi", "edi", "ebp"};
#else
constexpr const char* kept_registers[] = {"rbx", "rbp", "rsi", "rdi", "r12", "r13", "r14", "r15"};
#endif
constexpr std::uintptr_t kept_count = sizeof kept_registers / sizeof *kept_registers;

struct guarded_call_frame {
    const void* code;
    void* object;
    std::uintptr_t args[5];
    std::uintptr_t count;
    std::uintptr_t result;           // the slot's return register
    std::uintptr_t stack_before;     // the stack pointer before the arguments
    std::uintptr_t stack_after;      // and after the call
    guarded_call_frame* outer;       // of a guarded call the slot's own calls are made in
    std::uintptr_t kept[kept_count]; // the markers, then the registers after the call
};
static_assert(offsetof(guarded_call_frame, count) == 7 * sizeof(void*) &&
                  offsetof(guarded_call_frame, kept) == 12 * sizeof(void*),
              "the assembly's offsets");
extern "C" void guarded_call(guarded_call_frame* frame);

#if defined(_M_IX86)
// cdecl: the frame at [esp + 4]; the arguments pushed last first, `this` in ecx.
asm(R"(
    .intel_syntax noprefix
    .text
    .globl _guarded_call
_guarded_call:
    push ebp
    push ebx
    push esi
    push edi
    mov eax, [esp + 20]
    mov edx, [guarded_frame]
    mov [eax + 44], edx
    mov [guarded_frame], eax
    mov [eax + 36], esp
    mov ecx, [eax + 28]
guarded_push:
    test ecx, ecx
    jz guarded_pushed
    push dword ptr [eax + 4 + 4 * ecx]
    dec ecx
    jmp guarded_push
guarded_pushed:
    mov ebx, [eax + 48]
    mov esi, [eax + 52]
    mov edi, [eax + 56]
    mov ebp, [eax + 60]
    mov ecx, [eax + 4]
    call dword ptr [eax]
    mov ecx, [guarded_frame]
    mov [ecx + 32], eax
    mov [ecx + 40], esp
    mov [ecx + 48], ebx
    mov [ecx + 52], esi
    mov [ecx + 56], edi
    mov [ecx + 60], ebp
    mov edx, [ecx + 44]
    mov [guarded_frame], edx
    mov esp, [ecx + 36]
    pop edi
    pop esi
    pop ebx
    pop ebp
    ret
    .data
guarded_frame:
    .long 0
    .text
    .att_syntax
)");
#else
// The frame in rcx; `this` in rcx, the arguments in rdx, r8, r9, then on the
// stack above the 32 bytes of home space, which stays 16-byte aligned.
asm(R"(
    .intel_syntax noprefix
    .text
    .globl guarded_call
guarded_call:
    push rbp
    push rbx
    push rsi
    push rdi
    push r12
    push r13
    push r14
    push r15
    sub rsp, 56
    mov rax, [rip + guarded_frame]
    mov [rcx + 88], rax
    mov [rip + guarded_frame], rcx
    mov [rcx + 72], rsp
    mov rax, [rcx + 40]
    mov [rsp + 32], rax
    mov rax, [rcx + 48]
    mov [rsp + 40], rax
    mov rdx, [rcx + 16]
    mov r8, [rcx + 24]
    mov r9, [rcx + 32]
    mov rbx, [rcx + 96]
    mov rbp, [rcx + 104]
    mov rsi, [rcx + 112]
    mov rdi, [rcx + 120]
    mov r12, [rcx + 128]
    mov r13, [rcx + 136]
    mov r14, [rcx + 144]
    mov r15, [rcx + 152]
    mov rax, [rcx]
    mov rcx, [rcx + 8]
    call rax
    mov rcx, [rip + guarded_frame]
    mov [rcx + 64], rax
    mov [rcx + 80], rsp
    mov [rcx + 96], rbx
    mov [rcx + 104], rbp
    mov [rcx + 112], rsi
    mov [rcx + 120], rdi
    mov [rcx + 128], r12
    mov [rcx + 136], r13
    mov [rcx + 144], r14
    mov [rcx + 152], r15
    mov rdx, [rcx + 88]
    mov [rip + guarded_frame], rdx
    mov rsp, [rcx + 72]
    add rsp, 56
    pop r15
    pop r14
    pop r13
    pop r12
    pop rdi
    pop rsi
    pop rbx
    pop rbp
    ret
    .data
guarded_frame:
    .quad 0
    .text
    .att_syntax
)");
#endif

// The row of the slot table being run, named by the guard when a call fails.
const char* current_slot = "a call of the scenario";

// A slot's argument as the word this compiler passes: a reference as its
// address, anything else as its value.
template <class Parameter, class Argument>
std::uintptr_t word(Argument&& argument) {
    if constexpr (__is_reference(Parameter))
        return reinterpret_cast<std::uintptr_t>(&argument);
    else if constexpr (__is_pointer(Parameter))
        return reinterpret_cast<std::uintptr_t>(argument);
    else
        return static_cast<std::uintptr_t>(static_cast<Parameter>(argument));
}

// The slot's result from its return register: a bool is its low byte.
template <class Result>
Result result_of(std::uintptr_t raw) {
    if constexpr (__is_same(Result, void))
        return;
    else if constexpr (__is_same(Result, bool))
        return static_cast<uint8_t>(raw) != 0;
    else if constexpr (__is_pointer(Result))
        return reinterpret_cast<Result>(raw);
    else
        return static_cast<Result>(raw);
}

template <class Member>
std::uintptr_t guarded(Member slot, const void* object, const std::uintptr_t* args,
                       std::uintptr_t count) {
    static_assert(sizeof slot == sizeof(void*), "with single inheritance a member pointer is code");
    guarded_call_frame frame{nullptr, const_cast<void*>(object), {}, count, 0, 0, 0, nullptr, {}};
    __builtin_memcpy(&frame.code, &slot, sizeof slot);
    for (std::uintptr_t i = 0; i < count; ++i)
        frame.args[i] = args[i];
    const auto marker = [](std::uintptr_t i) { return std::uintptr_t(0x6B6570746B657070ull) + i; };
    for (std::uintptr_t i = 0; i < kept_count; ++i)
        frame.kept[i] = marker(i);
    guarded_call(&frame);
    if (frame.stack_after != frame.stack_before)
        fail(current_slot, "the stack pointer moved across the call");
    for (std::uintptr_t i = 0; i < kept_count; ++i)
        if (frame.kept[i] != marker(i)) {
            printf("%s, which a callee keeps, changed across the call\n", kept_registers[i]);
            fail(current_slot);
        }
    return frame.result;
}

// `object->*slot(args...)` through the guard, for a slot of `Result (Parameters...)`.
template <class Result, class... Parameters, class Member, class... Arguments>
Result call_slot(const void* object, Member slot, Arguments&&... args) {
    static_assert(sizeof...(Parameters) == sizeof...(Arguments) && sizeof...(Arguments) <= 5);
    const std::uintptr_t words[] = {word<Parameters>(args)..., 0};
    return result_of<Result>(guarded(slot, object, words, sizeof...(Arguments)));
}
template <class Result, class Class, class... Parameters, class... Arguments>
Result call(Class* object, Result (Class::*slot)(Parameters...), Arguments&&... args) {
    return call_slot<Result, Parameters...>(object, slot, args...);
}
template <class Result, class Class, class... Parameters, class... Arguments>
Result call(const Class* object, Result (Class::*slot)(Parameters...) const, Arguments&&... args) {
    return call_slot<Result, Parameters...>(object, slot, args...);
}

// A frame of the host's for a page, as its preferences dialog.
HWND open_frame() {
    constexpr DWORD ws_popup = 0x80000000;
    return CreateWindowExA(0, "STATIC", "Preferences", ws_popup, 0, 0, 480, 360, 0, 0, 0, 0);
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
        bool get(uint32_t index) const override { return !call(&mask, &index_mask::get, index); }
        uint32_t find(bool value, uint32_t start, uint32_t count) const override {
            return call(&mask, &index_mask::find, !value, start, count);
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
    service_entry* entries[5]; // of the watcher, the page, the sources, the version record

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
    service_entry* entries[5] = {};
    service_object* services[5] = {};
    uint32_t count = 0;
    for (service_entry* e = client->first_service_entry(); e; e = e->next, ++count) {
        check(count < 5 && e->class_guid == *classes[count],
              "the list is the watcher, the page, two command sources, the version record");
        entries[count] = e;
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
            static_cast<version_info*>(services[4]),
            {entries[0], entries[1], entries[2], entries[3], entries[4]}};
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
    HWND frame = open_frame();
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

// What the slot table works with: the component, the configuration it holds,
// the host's text buffer each row may fill, and the lists it sends.
component app;
bytes all_on;
bytes sink;
fixed_text out;
uint32_t flags = 0;
constinit handle_array one_track; // handle 0x77, sent by the rows that run commands
constexpr guid marker_guid{0x6D61726B, 0x6572, 0x0001, {1, 2, 3, 4, 5, 6, 7, 8}};
constexpr uint32_t marker = 0xC0DE5107; // an argument the slot ignores

// A published service's release, add_ref and query, and create_instance of
// its entry: every one a static object, whose query answers only the class
// `also` with itself (marker_guid: none).
bool plain_service_slots(uint32_t entry, service_object* service, const guid& also) {
    return call(app.entries[entry], &service_entry::create_instance) == service &&
           call(service, &service_object::add_ref) == 1 &&
           call(service, &service_object::release) == 1 &&
           call(service, &service_object::query, marker_guid) == nullptr &&
           call(service, &service_object::query, also) == (also == marker_guid ? nullptr : service);
}
// The playlist that holds only the track the rows send, as the host sees it.
bool holds_the_track(uint32_t index) {
    const handle_array& items = playlists[index].items;
    return items.size == 1 && items.items[0] == one_track.items[0];
}
// The source answers that no command has a guid, and leaves the one given alone.
bool guidless(command_source* source) {
    guid got = marker_guid;
    return !call(source, &command_source::command_guid, marker, got) && got == marker_guid;
}
// A page opens under a frame of the host's, which then closes both.
bool opens_and_closes_a_page() {
    HWND frame = open_frame();
    HWND page = call(app.page, &settings_page::create_window, frame);
    bool opened = frame && page;
    DestroyWindow(page);
    DestroyWindow(frame);
    return opened;
}
// A text the component returns rather than assigns, copied into `out`.
bool returned_text(const char* text) {
    out.assign(text, unbounded);
    return text != nullptr;
}

// Every slot of every interface the component implements, through the guard,
// in an order whose results are known: after the scenario above, with every
// option on, playlists 1. Inbox and 2. Cool Jazz and 3. Rock of two tracks
// each. `text` is what `out` holds after the row; null leaves it untouched.
struct slot_row {
    const char* slot;
    std::uintptr_t (*run)();
    std::uintptr_t want;
    const char* text;
};
// clang-format off
#define ROW(slot, want, text, ...) {slot, [] { return std::uintptr_t(__VA_ARGS__); }, want, text}
// clang-format on
const char untouched[] = "(untouched)";
const slot_row slot_table[] = {
    ROW("client_version", 35, nullptr, call(app.client, &component_client::client_version)),
    ROW("first_service_entry", 1, nullptr,
        call(app.client, &component_client::first_service_entry) == app.entries[0]),
    ROW("save_configuration", 1, nullptr,
        (sink = bytes(), call(app.client, &component_client::save_configuration, sink),
         sink == all_on)),
    ROW("load_configuration", 1, nullptr,
        (call(app.client, &component_client::load_configuration, all_on.data, all_on.size),
         app.saved() == all_on)),
    ROW("reset_configuration", 1, nullptr,
        (call(app.client, &component_client::reset_configuration), app.saved() == all_on)),
    ROW("set_module_location", 1, "relayvo marker",
        (call(app.client, &component_client::set_module_location, "C:\\marker", "relayvo marker"),
         app.version->module_name(out), true)),
    ROW("set_services_ready", 0, nullptr,
        (call(app.client, &component_client::set_services_ready, true), 0)),

    ROW("the watcher's service slots", 1, nullptr,
        plain_service_slots(0, app.watcher, marker_guid)),
    ROW("the page's service slots", 1, nullptr, plain_service_slots(1, app.page, marker_guid)),
    ROW("the by-name source's service slots", 1, nullptr,
        plain_service_slots(2, app.by_name, command_source_ext)),
    ROW("the by-index source's service slots", 1, nullptr,
        plain_service_slots(3, app.by_index, command_source_class)),
    ROW("the version record's service slots", 1, nullptr,
        plain_service_slots(4, app.version, marker_guid)),

    ROW("module_name", 0, "relayvo marker",
        (call(app.version, &version_info::module_name, out), 0)),
    ROW("component_name", 0, "Relayvo", (call(app.version, &version_info::component_name, out), 0)),
    ROW("component_version", 0, RELAYVO_VERSION,
        (call(app.version, &version_info::component_version, out), 0)),
    ROW("about_text", 0, "Allows you to send items to p",
        (call(app.version, &version_info::about_text, out), out.truncate(29), 0)),

    ROW("create_window", 1, nullptr, opens_and_closes_a_page()),
    ROW("page_name", 1, "Relayvo", returned_text(call(app.page, &settings_page::page_name))),
    ROW("parent_name", 1, "Components", returned_text(call(app.page, &settings_page::parent_name))),

    ROW("default_state", state_forced_on, nullptr,
        call(app.by_index, &command_source::default_state, marker)),
    ROW("default_state (by name)", state_off, nullptr,
        call(app.by_name, &command_source::default_state, marker)),
    ROW("menu_kind", menu_context, nullptr, call(app.by_index, &command_source::menu_kind)),
    ROW("menu_kind (by name)", menu_context, nullptr,
        call(app.by_name, &command_source::menu_kind)),
    ROW("command_count", 3, nullptr, call(app.by_index, &command_source::command_count)),
    ROW("command_count (by name)", 3, nullptr, call(app.by_name, &command_source::command_count)),
    ROW("command_path", 0, GROUP "/Playlist 0001",
        (call(app.by_index, &command_source::command_path, 1, out), 0)),
    ROW("command_path (by name)", 0, GROUP "/Cool Jazz",
        (call(app.by_name, &command_source::command_path, 1, out), 0)),
    ROW("display_text", 1, "2. Cool Jazz (2)",
        call(app.by_index, &command_source::display_text, 1, selection, out, flags)),
    ROW("display_text (by name)", 0, nullptr,
        call(app.by_name, &command_source::display_text, 1, selection, out, flags)),
    ROW("execute", 1, nullptr,
        (call(app.by_index, &command_source::execute, 0, one_track), holds_the_track(0))),
    ROW("execute (by name)", 1, nullptr,
        (call(app.by_name, &command_source::execute, 1, one_track), holds_the_track(1))),
    ROW("unnamed_10", 0, nullptr, call(app.by_index, &command_source::unnamed_10, marker, out)),
    ROW("unnamed_10 (by name)", 0, nullptr,
        call(app.by_name, &command_source::unnamed_10, marker, out)),
    ROW("unnamed_11", 0, nullptr, call(app.by_index, &command_source::unnamed_11, marker)),
    ROW("unnamed_11 (by name)", 0, nullptr, call(app.by_name, &command_source::unnamed_11, marker)),
    ROW("display_text_for", 1, "1. Inbox (1)",
        call(app.by_index, &command_source::display_text_for, 0, selection, out, flags,
             caller_none)),
    ROW("display_text_for (by name)", 0, nullptr,
        call(app.by_name, &command_source::display_text_for, 0, selection, out, flags,
             caller_none)),
    ROW("execute_for", 1, nullptr,
        (call(app.by_index, &command_source::execute_for, 2, one_track, caller_none),
         holds_the_track(2))),
    ROW("command_guid", 1, nullptr, guidless(app.by_index)),
    ROW("command_guid (by name)", 1, nullptr, guidless(app.by_name)),
    ROW("unnamed_15", 0, nullptr, call(app.by_index, &command_source::unnamed_15, marker, out)),
    ROW("unnamed_15 (by name)", 0, nullptr,
        call(app.by_name, &command_source::unnamed_15, marker, out)),
    ROW("display_step", 1, "3. Rock (1)",
        call(app.by_index, &command_source::display_step, 2, selection, out, flags, caller_none)),
    ROW("display_step (by name)", 0, nullptr,
        call(app.by_name, &command_source::display_step, 2, selection, out, flags, caller_none)),
    ROW("execute_step", 1, nullptr,
        (playlists[1].items.size = 0,
         call(app.by_index, &command_source::execute_step, 1, one_track, caller_none),
         holds_the_track(1))),
    ROW("execute_step (by name)", 1, nullptr,
        (playlists[0].items.size = 0,
         call(app.by_name, &command_source::execute_step, 0, one_track, caller_none),
         holds_the_track(0))),

    ROW("unnamed_4", 0, nullptr,
        (call(app.watcher, &playlist_watcher::unnamed_4, marker, marker), 0)),
    ROW("unnamed_5", 0, nullptr,
        (call(app.watcher, &playlist_watcher::unnamed_5, marker, marker), 0)),
    ROW("unnamed_10 (watcher)", 0, nullptr,
        (call(app.watcher, &playlist_watcher::unnamed_10, marker, marker, marker, marker), 0)),
    ROW("on_playlist_renamed", 1, "1. Outbox (1)",
        (name_playlist(0, "Outbox"),
         call(app.watcher, &playlist_watcher::on_playlist_renamed, 0, "Outbox"),
         app.by_index->display_text_for(0, selection, out, flags, caller_none))),
    ROW("on_playlist_created", 4, nullptr,
        (name_playlist(playlist_count++, "Marker"),
         call(app.watcher, &playlist_watcher::on_playlist_created, 3, "Marker", 6),
         app.by_index->command_count())),
    ROW("on_playlist_removed", 3, nullptr,
        (--playlist_count, call(app.watcher, &playlist_watcher::on_playlist_removed, 3),
         app.by_index->command_count())),
    ROW("on_playlist_list_changed", 1, "3. Outbox (1)",
        (name_playlist(0, "Rock"), name_playlist(2, "Outbox"),
         call(app.watcher, &playlist_watcher::on_playlist_list_changed, marker, marker),
         app.by_index->display_text_for(2, selection, out, flags, caller_none))),
};
#undef ROW

void check_every_slot() {
    for (const slot_row& row : slot_table) {
        current_slot = row.slot;
        out.assign(untouched, unbounded);
        std::uintptr_t got = row.run();
        if (got != row.want) fail(row.slot, "a result other than the expected one");
        check_text(out.text, row.text ? row.text : untouched, row.slot);
    }
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
    component& c = app = connect(dll_path());
    check_version_record(c);
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
    one_track.insert(reinterpret_cast<void*>(std::uintptr_t{0x77}), 0);
    check_every_slot();
    printf("the %d-bit DLL met every check of a Microsoft-ABI host\n", int(sizeof(void*) * 8));
    ExitProcess(0);
}
