// The built DLLs as users install them, read from the files rather than
// through a loader, so that any machine can check them: the image of the
// right bitness for the oldest Windows named in INSTALL.txt, one undecorated
// export, imports of exactly the functions listed below for its bitness, none
// newer than that Windows (the C and C++ runtimes linked in), a thread-local
// storage template that holds no variable, and the dialog template as
// resource 102 in British English. (dll_code.cmake reads the code itself.)
//
//   dll_image_test win32=relayvo.dll win64=relayvo.dll   (one image or both)
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

// What each image must be: the COFF machine, the optional header's magic, and
// the version of the oldest Windows it runs on: XP for the 32-bit DLL, XP x64
// and Server 2003 for the 64-bit one.
struct image_kind {
    const char* name;
    std::uint16_t machine;
    std::uint16_t magic;
    const char* oldest_windows;
    std::uint16_t windows_major, windows_minor;
};
constexpr image_kind win32{"win32", 0x014C /* i386 */, 0x010B /* PE32 */, "Windows XP", 5, 1};
constexpr image_kind win64{"win64", 0x8664 /* AMD64 */, 0x020B /* PE32+ */, "Windows XP x64", 5, 2};

// The oldest Windows that has an imported function, as its documentation
// gives it ("Minimum supported client").
struct windows_version {
    std::uint16_t major, minor;
    const char* name;
};
constexpr windows_version windows_2000{5, 0, "Windows 2000"};
constexpr windows_version windows_xp{5, 1, "Windows XP"};
// msvcrt.dll documents no minimum Windows for its functions, nor for its
// internals (__iob_func, _lock, ...); each listed is exported by the msvcrt.dll
// of XP and of XP x64.
constexpr windows_version xp_msvcrt{5, 1, "no documented minimum; present in XP's msvcrt"};
// The host's window-text library, which it installs beside itself.
constexpr windows_version with_the_host{0, 0, "installed with the host"};

// Every function each image imports, by DLL, and nothing else: a function
// the image stops importing is taken off too. Missing on purpose:
// GetTickCount64 (Vista), the C++ runtime's unwinding (RaiseException, the
// Rtl*Unwind functions) and thread-local keys (TlsAlloc, TlsSetValue, ...),
// which a component built without exceptions does not pull in, and the thread
// control a pthread library brings (SuspendThread, SetThreadContext,
// _beginthreadex, ...) into a component that starts no thread.
struct allowed_imports {
    const char* dll;
    const char* images; // "win32 win64", or one of them
    windows_version oldest;
    const char* functions;
};
const allowed_imports allowed[] = {
    // The runtime's start-up and its critical sections, the pseudo-relocation
    // of its start-up, and its thread-exit cleanup (TlsGetValue).
    {"kernel32.dll", "win32 win64", windows_xp,
     "DeleteCriticalSection DisableThreadLibraryCalls EnterCriticalSection GetLastError "
     "InitializeCriticalSection LeaveCriticalSection Sleep TlsGetValue VirtualProtect "
     "VirtualQuery"},
    // The 32-bit runtime's start-up, which registers its unwind tables with a
    // shared libgcc when the process has one loaded.
    {"kernel32.dll", "win32", windows_xp,
     "FreeLibrary GetModuleHandleA GetProcAddress LoadLibraryA"},
    {"user32.dll", "win32 win64", windows_2000, "EnableWindow GetDlgItem"},
    // The component's heap and byte functions, the runtime's start-up, and its
    // report of a failed pseudo-relocation (fwrite, vfprintf and stderr).
    {"msvcrt.dll", "win32 win64", xp_msvcrt,
     "_amsg_exit _initterm _lock _unlock abort calloc free fwrite malloc memchr memcmp memcpy "
     "realloc strlen strncmp vfprintf"},
    {"msvcrt.dll", "win32", xp_msvcrt, "_iob memmove"},
    {"msvcrt.dll", "win64", xp_msvcrt, "__iob_func"},
    {"utf8api.dll", "win32 win64", with_the_host,
     "uCallStackTracker_enter uCallStackTracker_leave uCreateDialog uGetWindowText "
     "uSendDlgItemMessage uSendMessage uSendMessageText"},
};

// The space-separated words of `list`.
std::vector<std::string_view> words(std::string_view list) {
    std::vector<std::string_view> found;
    for (std::size_t at = 0; at <= list.size();) {
        std::size_t end = std::min(list.find(' ', at), list.size());
        found.push_back(list.substr(at, end - at));
        at = end + 1;
    }
    return found;
}
// Whether `word` is one of the words of `list`.
bool listed(std::string_view list, std::string_view word) {
    std::vector<std::string_view> all = words(list);
    return std::find(all.begin(), all.end(), word) != all.end();
}

struct built_image {
    image_kind kind;
    std::string path;
};
void PrintTo(const built_image& image, std::ostream* out) {
    *out << image.kind.name << " image " << image.path;
}
std::vector<built_image> images; // from the command line, before the tests are made

// Table indexes and resource identifiers of the PE format.
constexpr int export_directory = 0;
constexpr int import_directory = 1;
constexpr int resource_directory = 2;
constexpr int tls_directory = 9;
constexpr std::size_t os_version = 40, subsystem_version = 48; // in the optional header
constexpr std::uint32_t dialog_resource = 5;
constexpr std::uint32_t settings_dialog = 102;
constexpr std::uint32_t british_english = 2057;

// A PE file in memory, read little-endian at file offsets or relative virtual
// addresses. Reads past the end give zero, which no check accepts.
class pe_file {
public:
    explicit pe_file(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (u16(0) != 0x5A4D /* MZ */) return;
        std::uint32_t nt = u32(0x3C);
        if (u32(nt) != 0x00004550 /* PE\0\0 */) return;
        coff_ = nt + 4;
        optional_ = coff_ + 20;
        sections_ = optional_ + u16(coff_ + 16);
    }

    bool valid() const { return coff_ != 0; }
    bool wide() const { return magic() == win64.magic; }
    std::uint16_t machine() const { return u16(coff_); }
    bool is_dll() const { return u16(coff_ + 18) & 0x2000; }
    std::uint16_t magic() const { return u16(optional_); }
    // The optional header's field at `at`, the same offset in PE32 and PE32+.
    std::uint16_t optional_u16(std::size_t at) const { return u16(optional_ + at); }
    // The relative virtual address of data directory `which`.
    std::uint32_t directory(int which) const {
        std::uint32_t first = wide() ? 112 : 96;
        return u32(optional_ + first + 8 * which);
    }

    std::uint16_t u16(std::size_t at) const {
        return static_cast<std::uint16_t>(byte(at) | byte(at + 1) << 8);
    }
    std::uint32_t u32(std::size_t at) const {
        return u16(at) | static_cast<std::uint32_t>(u16(at + 2)) << 16;
    }
    std::uint64_t u64(std::size_t at) const {
        return u32(at) | static_cast<std::uint64_t>(u32(at + 4)) << 32;
    }
    std::uint16_t u16_at_rva(std::uint32_t rva) const { return u16(offset(rva)); }
    std::uint32_t u32_at_rva(std::uint32_t rva) const { return u32(offset(rva)); }
    std::uint8_t u8_at_rva(std::uint32_t rva) const { return byte(offset(rva)); }
    // A field of the image's pointer size, and the address it was linked at.
    std::uint64_t pointer_at_rva(std::uint32_t rva) const {
        return wide() ? u64(offset(rva)) : u32(offset(rva));
    }
    std::uint64_t image_base() const { return wide() ? u64(optional_ + 24) : u32(optional_ + 28); }
    std::string text_at_rva(std::uint32_t rva) const {
        std::string text;
        for (std::size_t at = offset(rva); byte(at); ++at)
            text += static_cast<char>(byte(at));
        return text;
    }

private:
    std::uint32_t byte(std::size_t at) const { return at < bytes_.size() ? bytes_[at] : 0; }
    // The file offset of `rva`, through the section that holds it.
    std::size_t offset(std::uint32_t rva) const {
        for (std::size_t i = 0, count = u16(coff_ + 2); i < count; ++i) {
            std::size_t section = sections_ + 40 * i;
            std::uint32_t start = u32(section + 12), size = u32(section + 8);
            if (rva >= start && rva < start + size) return rva - start + u32(section + 20);
        }
        return bytes_.size();
    }

    std::vector<std::uint8_t> bytes_;
    std::size_t coff_ = 0, optional_ = 0, sections_ = 0;
};

// The resource directory entry for `id` in the directory at `directory`
// (relative to the resource section), or 0. High bit set: a subdirectory.
std::uint32_t resource_entry(const pe_file& pe, std::uint32_t directory, std::uint32_t id) {
    std::uint32_t base = pe.directory(resource_directory);
    std::uint32_t count =
        pe.u16_at_rva(base + directory + 12) + pe.u16_at_rva(base + directory + 14);
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t entry = base + directory + 16 + 8 * i;
        if (pe.u32_at_rva(entry) == id) return pe.u32_at_rva(entry + 4);
    }
    return 0;
}

// The functions imported from each DLL, by its name in lower case; those
// imported by ordinal as "#number".
std::map<std::string, std::set<std::string>> imports(const pe_file& pe) {
    bool wide = pe.wide();
    std::map<std::string, std::set<std::string>> found;
    for (std::uint32_t at = pe.directory(import_directory);; at += 20) {
        std::uint32_t name = pe.u32_at_rva(at + 12);
        if (name == 0) break;
        std::string dll = pe.text_at_rva(name);
        for (char& c : dll)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        std::set<std::string>& functions = found[dll];
        std::uint32_t thunks = pe.u32_at_rva(at) ? pe.u32_at_rva(at) : pe.u32_at_rva(at + 16);
        for (;; thunks += wide ? 8 : 4) {
            std::uint32_t low = pe.u32_at_rva(thunks);
            std::uint32_t high = wide ? pe.u32_at_rva(thunks + 4) : 0;
            if (low == 0 && high == 0) break;
            bool by_ordinal = wide ? high & 0x80000000 : low & 0x80000000;
            functions.insert(by_ordinal ? "#" + std::to_string(low & 0xFFFF)
                                        : pe.text_at_rva(low + 2 /* past the hint */));
        }
    }
    return found;
}

class dll_image_test : public ::testing::TestWithParam<built_image> {
protected:
    void SetUp() override { ASSERT_TRUE(pe.valid()) << "not a PE file: " << GetParam().path; }
    const image_kind& kind() const { return GetParam().kind; }
    pe_file pe{GetParam().path};
};

TEST_P(dll_image_test, is_a_dll_for_its_processor_and_oldest_windows) {
    EXPECT_EQ(pe.machine(), kind().machine);
    EXPECT_EQ(pe.magic(), kind().magic);
    EXPECT_TRUE(pe.is_dll());
    for (std::size_t field : {os_version, subsystem_version}) {
        EXPECT_EQ(pe.optional_u16(field), kind().windows_major) << field;
        EXPECT_EQ(pe.optional_u16(field + 2), kind().windows_minor) << field;
    }
}

TEST_P(dll_image_test, exports_exactly_the_undecorated_entry_point) {
    std::uint32_t exports = pe.directory(export_directory);
    ASSERT_NE(exports, 0u);
    EXPECT_EQ(pe.u32_at_rva(exports + 20), 1u); // functions
    ASSERT_EQ(pe.u32_at_rva(exports + 24), 1u); // names
    std::uint32_t first_name = pe.u32_at_rva(pe.u32_at_rva(exports + 32));
    EXPECT_EQ(pe.text_at_rva(first_name), "quorvel_get_interface");
}

// Lists every imported function, and fails on each not allowed this image.
TEST_P(dll_image_test, imports_only_allowed_functions) {
    auto found = imports(pe);
    EXPECT_TRUE(found.count("utf8api.dll"));
    for (const auto& [dll, functions] : found) {
        std::string line = kind().name + std::string(" imports from ") + dll + ":";
        for (const std::string& function : functions) {
            line += " " + function;
            bool known = false;
            for (const allowed_imports& row : allowed)
                known = known || (dll == row.dll && listed(row.images, kind().name) &&
                                  listed(row.functions, function));
            EXPECT_TRUE(known) << dll << "!" << function << " is not allowed the " << kind().name
                               << " image";
        }
        std::printf("%s\n", line.c_str());
    }
}

// Fails on an allowed function that is newer than the Windows the image's
// header names, and on one the image no longer imports.
TEST_P(dll_image_test, allows_only_what_it_imports_and_its_windows_has) {
    auto found = imports(pe);
    std::uint16_t major = pe.optional_u16(os_version), minor = pe.optional_u16(os_version + 2);
    for (const allowed_imports& row : allowed) {
        if (!listed(row.images, kind().name)) continue;
        bool newer =
            row.oldest.major > major || (row.oldest.major == major && row.oldest.minor > minor);
        for (std::string_view function : words(row.functions)) {
            EXPECT_FALSE(newer) << row.dll << "!" << function << " needs " << row.oldest.name
                                << ", newer than the header's Windows " << major << "." << minor;
            EXPECT_TRUE(found[row.dll].count(std::string(function)))
                << row.dll << "!" << function << " is allowed the " << kind().name
                << " image but no longer imported";
        }
    }
}

// The runtime gives the image a thread-local storage directory; its template
// is only the runtime's own zero marker, at most a pointer wide, with no
// zero fill: no variable of the component lives there.
TEST_P(dll_image_test, thread_local_template_holds_no_variable) {
    std::uint32_t tls = pe.directory(tls_directory);
    if (tls == 0) return;
    std::uint32_t width = pe.wide() ? 8 : 4;
    std::uint64_t start = pe.pointer_at_rva(tls), end = pe.pointer_at_rva(tls + width);
    ASSERT_GE(start, pe.image_base());
    ASSERT_LE(start, end);
    EXPECT_LE(end - start, width);
    for (std::uint64_t at = start; at < end; ++at)
        EXPECT_EQ(pe.u8_at_rva(static_cast<std::uint32_t>(at - pe.image_base())), 0) << at - start;
    EXPECT_EQ(pe.u32_at_rva(tls + 4 * width), 0u) << "zero fill";
}

TEST_P(dll_image_test, links_the_mingw_runtimes_in) {
    for (const auto& [dll, functions] : imports(pe))
        EXPECT_NE(dll.rfind("lib", 0), 0u) << dll << " would have to be installed beside the DLL";
}

TEST_P(dll_image_test, carries_the_settings_dialog_as_resource_102_in_british_english) {
    std::uint32_t base = pe.directory(resource_directory);
    ASSERT_NE(base, 0u);
    constexpr std::uint32_t subdirectory = 0x80000000;
    std::uint32_t type = resource_entry(pe, 0, dialog_resource);
    ASSERT_TRUE(type & subdirectory);
    std::uint32_t name = resource_entry(pe, type & ~subdirectory, settings_dialog);
    ASSERT_TRUE(name & subdirectory);
    std::uint32_t language = resource_entry(pe, name & ~subdirectory, british_english);
    ASSERT_TRUE(language != 0 && !(language & subdirectory));
    std::uint32_t data = pe.u32_at_rva(base + language);
    EXPECT_EQ(pe.u16_at_rva(data), 1);          // extended template, version 1
    EXPECT_EQ(pe.u16_at_rva(data + 2), 0xFFFF); // its signature
}

INSTANTIATE_TEST_SUITE_P(built, dll_image_test, ::testing::ValuesIn(images),
                         [](const auto& info) { return std::string(info.param.kind.name); });

} // namespace

// The image that `arg` names ("win32=PATH" or "win64=PATH"), if it names one.
bool parse_image(std::string_view arg, built_image& image) {
    std::size_t equals = arg.find('=');
    for (const image_kind& kind : {win32, win64})
        if (equals != std::string_view::npos && arg.substr(0, equals) == kind.name) {
            image = {kind, std::string(arg.substr(equals + 1))};
            return true;
        }
    return false;
}

int main(int argc, char** argv) {
    // The images are named before GoogleTest makes the tests from them.
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]).rfind("--gtest", 0) == 0) continue;
        built_image image;
        if (!parse_image(argv[i], image)) {
            images.clear();
            break;
        }
        images.push_back(image);
    }
    if (images.empty()) {
        std::fprintf(stderr, "usage: %s win32=PATH win64=PATH (one or both)\n", argv[0]);
        return 2;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
